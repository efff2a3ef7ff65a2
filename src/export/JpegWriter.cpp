#include "export/JpegWriter.h"

#include <QIODevice>
#include <QtGlobal>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {
constexpr std::size_t BufferBytes = 64 * 1024;
}

// The callbacks only get libjpeg's structs; client_data leads them here.
struct JpegWriter::State {
    jpeg_compress_struct Cinfo{};
    jpeg_error_mgr Err{};
    jpeg_destination_mgr Dest{};
    std::jmp_buf Jump{};
    QIODevice* Out = nullptr;
    std::vector<JOCTET> Buffer;
    bool Created = false;
    bool Started = false;
    bool Failed = false;
    bool DeviceFailed = false;
    char Message[JMSG_LENGTH_MAX] = {};
    int Width = 0;
    int Height = 0;
};

namespace {

JpegWriter::State* StateOf(j_common_ptr c) {
    return static_cast<JpegWriter::State*>(c->client_data);
}

// libjpeg would end the process on an error; jump back to the caller instead.
[[noreturn]] void OnError(j_common_ptr c) {
    JpegWriter::State* s = StateOf(c);
    (*c->err->format_message)(c, s->Message);
    std::longjmp(s->Jump, 1);
}

void OnMessage(j_common_ptr, int) {}

void InitDestination(j_compress_ptr c) {
    JpegWriter::State* s = StateOf(reinterpret_cast<j_common_ptr>(c));
    c->dest->next_output_byte = s->Buffer.data();
    c->dest->free_in_buffer = s->Buffer.size();
}

void Flush(JpegWriter::State* s, std::size_t bytes) {
    if (s->DeviceFailed || bytes == 0)
        return;
    const qint64 n = static_cast<qint64>(bytes);
    if (s->Out->write(reinterpret_cast<const char*>(s->Buffer.data()), n) != n)
        s->DeviceFailed = true;
}

boolean EmptyBuffer(j_compress_ptr c) {
    JpegWriter::State* s = StateOf(reinterpret_cast<j_common_ptr>(c));
    Flush(s, s->Buffer.size());
    c->dest->next_output_byte = s->Buffer.data();
    c->dest->free_in_buffer = s->Buffer.size();
    return TRUE;
}

void TermDestination(j_compress_ptr c) {
    JpegWriter::State* s = StateOf(reinterpret_cast<j_common_ptr>(c));
    Flush(s, s->Buffer.size() - c->dest->free_in_buffer);
}

} // namespace

JpegWriter::JpegWriter(QIODevice& out, int width, int height) : S(std::make_unique<State>()) {
    S->Out = &out;
    S->Width = width;
    S->Height = height;
    S->Buffer.resize(BufferBytes);
}

JpegWriter::~JpegWriter() {
    if (S->Created)
        jpeg_destroy_compress(&S->Cinfo);
}

bool JpegWriter::Start() {
    State* s = S.get();
    s->Cinfo.err = jpeg_std_error(&s->Err);
    s->Err.error_exit = OnError;
    s->Err.emit_message = OnMessage;
    s->Cinfo.client_data = s;
    if (setjmp(s->Jump)) {
        s->Failed = true;
        return false;
    }
    jpeg_create_compress(&s->Cinfo);
    s->Created = true;
    s->Dest.init_destination = InitDestination;
    s->Dest.empty_output_buffer = EmptyBuffer;
    s->Dest.term_destination = TermDestination;
    s->Cinfo.dest = &s->Dest;
    s->Cinfo.image_width = static_cast<JDIMENSION>(s->Width);
    s->Cinfo.image_height = static_cast<JDIMENSION>(s->Height);
    // The 32-bit pixels go in as they are; libjpeg-turbo reads their byte order.
    s->Cinfo.input_components = 4;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    s->Cinfo.in_color_space = JCS_EXT_BGRX;
#else
    s->Cinfo.in_color_space = JCS_EXT_XRGB;
#endif
    jpeg_set_defaults(&s->Cinfo);
    jpeg_set_quality(&s->Cinfo, Quality, TRUE);
    jpeg_start_compress(&s->Cinfo, TRUE);
    s->Started = true;
    return !s->DeviceFailed;
}

bool JpegWriter::WriteRows(const std::uint32_t* const* rows, int count) {
    State* s = S.get();
    if (!s->Started || s->Failed)
        return false;
    if (setjmp(s->Jump)) {
        s->Failed = true;
        return false;
    }
    // libjpeg takes the rows as bytes and never writes to them.
    JSAMPARRAY samples = reinterpret_cast<JSAMPARRAY>(const_cast<std::uint32_t**>(rows));
    JDIMENSION done = 0;
    while (done < static_cast<JDIMENSION>(count))
        done +=
            jpeg_write_scanlines(&s->Cinfo, samples + done, static_cast<JDIMENSION>(count) - done);
    return !s->DeviceFailed;
}

bool JpegWriter::Finish() {
    State* s = S.get();
    if (!s->Started || s->Failed)
        return false;
    if (setjmp(s->Jump)) {
        s->Failed = true;
        return false;
    }
    jpeg_finish_compress(&s->Cinfo);
    s->Started = false;
    return !s->DeviceFailed;
}

QString JpegWriter::Error() const {
    if (S->DeviceFailed)
        return S->Out->errorString();
    return QString::fromLocal8Bit(S->Message);
}
