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
    // The largest width and height libjpeg encodes.
    static constexpr int MaxDimension = 65500;

    JpegWriter(QIODevice& out, int width, int height);
    ~JpegWriter();
    JpegWriter(const JpegWriter&) = delete;
    JpegWriter& operator=(const JpegWriter&) = delete;

    bool Start();
    // The next rows, top to bottom, each width 32-bit pixels as QImage's
    // RGB32 keeps them.
    bool WriteRows(const std::uint32_t* const* rows, int count);
    bool Finish();
    // libjpeg's own message after a failure, or the device's.
    QString Error() const;

    // libjpeg's structures and the callbacks' view of the writer.
    struct State;

private:
    std::unique_ptr<State> S;
};
