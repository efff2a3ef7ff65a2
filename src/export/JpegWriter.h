#pragma once

#include <QString>

#include <cstdint>
#include <memory>

class QIODevice;

// Baseline colour JPEG at quality 90 through the libjpeg C API, fed row by
// row from the top. The compressed data go straight to the device, so no
// whole picture is ever held.
class JpegWriter {
public:
    static constexpr int Quality = 90;

    JpegWriter(QIODevice& out, int width, int height);
    ~JpegWriter();
    JpegWriter(const JpegWriter&) = delete;
    JpegWriter& operator=(const JpegWriter&) = delete;

    bool Start();
    // rows × width RGB triples, top to bottom.
    bool WriteRows(const std::uint8_t* rgb, int rows);
    bool Finish();
    // libjpeg's own message after a failure, or the device's.
    QString Error() const;

    // libjpeg's structures and the callbacks' view of the writer.
    struct State;

private:
    std::unique_ptr<State> S;
};
