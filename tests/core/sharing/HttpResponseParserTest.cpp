// The service's answer read from whatever pieces the connection delivers: every framing gives
// the same status and body however the bytes are split, and a damaged answer is an error,
// never a body cut short.
#include "sharing/HttpResponseParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using State = HttpResponseParser::State;

struct Parsed {
    State state;
    int status;
    std::string reason;
    std::string body;
};

// Fed in pieces of the given size (0: at once), then closed when asked.
Parsed parse(std::string_view bytes, size_t piece, bool close = false)
{
    HttpResponseParser parser;
    Parsed out{State::Head, 0, {}, {}};
    for (size_t at = 0; at < bytes.size(); at += piece ? piece : bytes.size())
        out.state = parser.feed(bytes.substr(at, piece ? piece : bytes.size()), out.body);
    if (close)
        out.state = parser.close();
    out.status = parser.status();
    out.reason = parser.reason();
    return out;
}

} // namespace

TEST(HttpResponseParser, EveryFramingGivesTheSameBodyHoweverSplit)
{
    struct Case {
        const char* name;
        std::string bytes;
        bool needsClose;
        int status;
        std::string reason;
        std::string body;
    };
    const std::vector<Case> cases{
        {"length", "HTTP/1.1 200 OK\r\nContent-Length: 10\r\nConnection: close\r\n\r\n{\"id\":\"7\"}", false, 200, "OK",
         "{\"id\":\"7\"}"},
        {"chunked with extension and trailer",
         "HTTP/1.1 201 Created\r\nTransfer-Encoding: chunked\r\n\r\n4;x=y\r\n{\"id\r\nA\r\n\":\"12345\"}\r\n0\r\nX-T: 1\r\n\r\n",
         false, 201, "Created", "{\"id\":\"12345\"}"},
        {"chunked overrides the length", "HTTP/1.1 200 OK\r\ncontent-length: 99\r\ntransfer-encoding: gzip, Chunked\r\n\r\n"
         "3\r\nabc\r\n0\r\n\r\n", false, 200, "OK", "abc"},
        {"to the close", "HTTP/1.0 500 Internal Server Error\r\nServer: x\r\n\r\nno video", true, 500,
         "Internal Server Error", "no video"},
        {"interim answer first", "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 403 Forbidden\r\nContent-Length: 2\r\n\r\nno", false,
         403, "Forbidden", "no"},
        {"no content, bare line feeds", "HTTP/1.1 204\nContent-Length: 5\n\nextra", false, 204, "", ""},
    };
    for (const Case& c : cases) {
        for (const size_t piece : {size_t(0), size_t(1), size_t(3), size_t(7)}) {
            SCOPED_TRACE(std::string(c.name) + ", pieces of " + std::to_string(piece));
            const Parsed parsed = parse(c.bytes, piece, c.needsClose);
            EXPECT_EQ(parsed.state, State::Done);
            EXPECT_EQ(parsed.status, c.status);
            EXPECT_EQ(parsed.reason, c.reason);
            EXPECT_EQ(parsed.body, c.body);
        }
    }
    // Without the close, a body read to the close is not complete.
    EXPECT_EQ(parse(cases[3].bytes, 0).state, State::Body);
}

TEST(HttpResponseParser, DamagedOrCutAnswersAreErrors)
{
    for (const char* bytes : {
             "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nshort",        // closed before the length
             "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nab", // closed inside a chunk
             "HTTP/1.1 200 OK\r\nContent-Le",                                // closed inside the head
             "",                                                             // nothing at all
         }) {
        SCOPED_TRACE(bytes);
        EXPECT_EQ(parse(bytes, 0, true).state, State::Error);
    }
    for (const std::string& bytes : {
             std::string("HTTP/2 200 OK\r\n\r\n"),
             std::string("HTTP/1.1 2x0 OK\r\n\r\n"),
             std::string("HTTP/1.1 200OK\r\n\r\n"),
             std::string("HTTP/1.1 200 OK\r\nno colon\r\n\r\n"),
             std::string("HTTP/1.1 200 OK\r\nContent-Length: 3\r\nContent-Length: 4\r\n\r\nabcd"),
             std::string("HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\n"),
             std::string("HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999\r\n\r\n"),
             std::string("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n"),
             std::string("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nabc\r\n0\r\n\r\n"),
             "HTTP/1.1 200 OK\r\nX: " + std::string(20000, 'a') + "\r\n\r\n",
         }) {
        SCOPED_TRACE(bytes.substr(0, 80));
        EXPECT_EQ(parse(bytes, 0).state, State::Error);
        EXPECT_EQ(parse(bytes, 5).state, State::Error);
    }
}

TEST(HttpResponseParser, BytesAfterTheAnswerAreNotBody)
{
    HttpResponseParser parser;
    std::string body;
    EXPECT_EQ(parser.feed("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nokHTTP/1.1 500 X\r\n\r\n", body), State::Done);
    EXPECT_EQ(parser.feed("more", body), State::Done);
    EXPECT_EQ(parser.close(), State::Done);
    EXPECT_EQ(parser.status(), 200);
    EXPECT_EQ(body, "ok");
}
