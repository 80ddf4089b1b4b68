#include "sharing/FacebookRequest.h"

#include "util/TextHelpers.h"

namespace {

constexpr std::string_view kLoginSuccessPage = "login_success.html";
constexpr std::string_view kTokenField = "access_token=";
constexpr std::string_view kErrorField = "error=";

bool isUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'
        || c == '.' || c == '_' || c == '~';
}

void appendEscape(std::string& out, unsigned char c, const char* digits)
{
    out += '%';
    out += digits[c >> 4];
    out += digits[c & 0xF];
}

} // namespace

std::string pmPercentEncodeQueryValue(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size() * 3);
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        if (isUnreserved(c))
            out += ch;
        else
            appendEscape(out, c, "0123456789ABCDEF");
    }
    return out;
}

std::string pmEncodeRedirectAddress(std::string_view address)
{
    std::string out;
    out.reserve(address.size() * 3);
    for (const char ch : address) {
        if (ch == ':' || ch == '/' || ch == '.' || ch == '_')
            appendEscape(out, static_cast<unsigned char>(ch), "0123456789abcdef");
        else
            out += ch;
    }
    return out;
}

std::string pmSignInQuery(std::string_view appId, std::string_view redirectAddress)
{
    std::string query = "response_type=token&client_id=";
    query += appId;
    query += "&redirect_uri=";
    query += pmEncodeRedirectAddress(redirectAddress);
    query += "&type=user_agent&display=popup&scope=user_videos%2Cpublish_actions";
    return query;
}

FacebookKeyResult pmParseFacebookKey(std::string_view address)
{
    FacebookKeyResult result;
    if (address.find(kLoginSuccessPage) == std::string_view::npos)
        return result;
    if (const size_t field = address.find(kTokenField); field != std::string_view::npos) {
        const size_t start = field + kTokenField.size();
        const size_t end = address.find('&', start);
        result.kind = FacebookKeyResult::Token;
        result.token = std::string(address.substr(start, end == std::string_view::npos ? end : end - start));
        return result;
    }
    result.kind = address.find(kErrorField) != std::string_view::npos ? FacebookKeyResult::Error
                                                                       : FacebookKeyResult::NoToken;
    return result;
}

std::string pmUploadQuery(std::string_view token, std::string_view title, std::string_view description)
{
    std::string query = "?access_token=";
    query += token;
    query += "&title=";
    query += pmPercentEncodeQueryValue(title);
    query += "&description=";
    query += pmPercentEncodeQueryValue(description);
    return query;
}

std::string pmUploadContentTypeHeader()
{
    return "multipart/form-data; boundary=" + std::string(kUploadBoundary);
}

std::string pmUploadContentType(std::string_view fileName)
{
    const size_t dot = fileName.rfind('.');
    const std::string extension = dot == std::string_view::npos ? std::string() : pmToLower(fileName.substr(dot + 1));
    return extension == "mov" || extension == "mp4" ? "video/mov" : "video/avi";
}

std::string pmUploadBodyHead(std::string_view fileName)
{
    std::string head = "\r\n--";
    head += kUploadBoundary;
    head += "\r\nContent-Disposition: form-data; name=\"upload_field\"; filename=\"";
    head += fileName;
    head += "\"\r\nContent-Type: ";
    head += pmUploadContentType(fileName);
    head += "\r\n\r\n";
    return head;
}

std::string pmUploadBodyTail()
{
    return "\r\n--" + std::string(kUploadBoundary) + "--\r\n";
}

std::string pmUploadRequestHead(std::string_view target, std::string_view host, std::int64_t bodyLength)
{
    std::string head = "POST ";
    head += target;
    head += " HTTP/1.1\r\nHost: ";
    head += host;
    head += "\r\nContent-Type: ";
    head += pmUploadContentTypeHeader();
    head += "\r\nContent-Length: ";
    head += std::to_string(bodyLength);
    head += "\r\nUser-Agent: Mozilla/5.0\r\nConnection: close\r\n\r\n";
    return head;
}

int pmUploadPercent(std::int64_t sent, std::int64_t expected)
{
    if (expected <= 0)
        return 0;
    // Both in KiB as fractions, as the progress always counted them.
    return static_cast<int>((static_cast<double>(sent) / 1024.0) / (static_cast<double>(expected) / 1024.0) * 100.0);
}

std::string pmHideSecret(std::string text, std::string_view secret)
{
    if (secret.empty())
        return text;
    constexpr std::string_view kHidden = "<hidden>";
    for (size_t at = text.find(secret); at != std::string::npos; at = text.find(secret, at + kHidden.size()))
        text.replace(at, secret.size(), kHidden);
    return text;
}
