#pragma once
// The answer to one HTTP/1.1 request, read as its bytes arrive in whatever pieces the
// connection delivers: the status line, the headers that frame the body (Content-Length, the
// chunked transfer coding) and the body itself. Interim answers (1xx) are passed over. A
// service is not trusted: lines are bounded and a malformed answer ends in Error, never in a
// body cut short or read past its end.

#include <cstdint>
#include <string>
#include <string_view>

class HttpResponseParser {
public:
    enum class State { Head, Body, Done, Error };

    // Consumes the bytes; the body's bytes, without the chunked coding, are appended to body.
    // Bytes after a complete answer are ignored.
    State feed(std::string_view bytes, std::string& body);
    // The connection has closed: a body without a length ends here, any other unfinished answer
    // is an error.
    State close();

    State state() const;
    int status() const { return mStatus; }
    const std::string& reason() const { return mReason; }

private:
    enum class Step { StatusLine, Header, Length, ToClose, ChunkSize, ChunkData, ChunkEnd, Trailer, Done, Error };

    std::size_t takeLine(std::string_view bytes);
    void onLine(std::string_view line);
    void onStatusLine(std::string_view line);
    void onHeader(std::string_view line);
    void onHeadEnd();
    void onChunkSize(std::string_view line);
    std::size_t takeBody(std::string_view bytes, std::string& body);

    Step mStep = Step::StatusLine;
    std::string mLine; // a line split between two pieces
    int mStatus = 0;
    std::string mReason;
    std::int64_t mLength = -1; // of the body or of the current chunk; -1 while not given
    bool mChunked = false;
    bool mTransferCoded = false; // a Transfer-Encoding was given: it overrides the length
};
