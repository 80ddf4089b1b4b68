#pragma once
// The bytes of the Facebook requests: the sign-in address, the access token read back from the
// redirect, and the upload request (its query and the multipart body around the file). Pure
// text work, so every byte the service sees can be checked without a network.

#include <cstdint>
#include <string>
#include <string_view>

// Percent-encodes UTF-8 text for use as one query value: everything but the unreserved
// characters (letters, digits, "-", ".", "_", "~") becomes "%XX" with upper-case hex, so "&",
// "=", "#" and "+" stay inside the value.
std::string pmPercentEncodeQueryValue(std::string_view utf8);

// The redirect address as the OAuth dialog expects it: ":", "/", "." and "_" written as the
// lower-case escapes "%3a", "%2f", "%2e" and "%5f"; every other character as it is.
std::string pmEncodeRedirectAddress(std::string_view address);

// The query of the OAuth dialog for the app identifier and the redirect address.
std::string pmSignInQuery(std::string_view appId, std::string_view redirectAddress);

// What an address the web view reached says about the sign-in.
struct FacebookKeyResult {
    enum Kind {
        NotLoginSuccess, // still on the service's own pages
        Token,           // signed in; token holds the access token
        Error,           // the user refused or the service failed
        NoToken,         // the success page without a token or an error
    };
    Kind kind = NotLoginSuccess;
    std::string token;
};

// The token is the text after "access_token=" up to the next "&", or to the end of the
// address when no "&" follows.
FacebookKeyResult pmParseFacebookKey(std::string_view address);

// The upload query: "?access_token=...&title=...&description=..." with the token as it is and
// the title and description percent-encoded.
std::string pmUploadQuery(std::string_view token, std::string_view title, std::string_view description);

// The multipart body is head + the file's bytes + tail.
inline constexpr std::string_view kUploadBoundary = "----------V2ymHFg03ehbqgZCaKO6jy";
std::string pmUploadContentTypeHeader();                 // the request's "Content-Type" value
std::string pmUploadContentType(std::string_view fileName); // "video/mov" or "video/avi"
std::string pmUploadBodyHead(std::string_view fileName);
std::string pmUploadBodyTail();

// The head of the upload request for the encoded path and query (target) and the Host value:
// the request line and the headers, up to and with the empty line. One request per
// connection, its body not compressed.
std::string pmUploadRequestHead(std::string_view target, std::string_view host, std::int64_t bodyLength);

// The percentage of a request's bytes sent, truncated; 0 while the total is unknown.
int pmUploadPercent(std::int64_t sent, std::int64_t expected);

// The text with every occurrence of the secret replaced by "<hidden>", for log and console
// lines that may quote an address holding it.
std::string pmHideSecret(std::string text, std::string_view secret);
