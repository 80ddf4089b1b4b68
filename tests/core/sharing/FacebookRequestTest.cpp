// The bytes the Facebook requests carry: escapes, the token read back, the multipart frame.
#include "sharing/FacebookRequest.h"

#include <gtest/gtest.h>

TEST(FacebookRequest, QueryValuesKeepTheirSeparatorsInside)
{
    EXPECT_EQ(pmPercentEncodeQueryValue("Tom & Jerry = #1"), "Tom%20%26%20Jerry%20%3D%20%231");
    EXPECT_EQ(pmPercentEncodeQueryValue("a+b/c?d"), "a%2Bb%2Fc%3Fd");
    EXPECT_EQ(pmPercentEncodeQueryValue("Fahrt-1_x.~"), "Fahrt-1_x.~");
    // UTF-8 bytes one by one: "Пут" and "旅".
    EXPECT_EQ(pmPercentEncodeQueryValue("\xD0\x9F\xD1\x83\xD1\x82 \xE6\x97\x85"),
              "%D0%9F%D1%83%D1%82%20%E6%97%85");
    EXPECT_EQ(pmPercentEncodeQueryValue(""), "");
}

TEST(FacebookRequest, SignInQueryUsesLowerCaseEscapesForTheRedirect)
{
    EXPECT_EQ(pmSignInQuery("1234567890123456", "https://www.facebook.com/connect/login_success.html"),
              "response_type=token&client_id=1234567890123456&redirect_uri="
              "https%3a%2f%2fwww%2efacebook%2ecom%2fconnect%2flogin%5fsuccess%2ehtml"
              "&type=user_agent&display=popup&scope=user_videos%2Cpublish_actions");
    EXPECT_EQ(pmEncodeRedirectAddress("http://127.0.0.1:8080/a_b"), "http%3a%2f%2f127%2e0%2e0%2e1%3a8080%2fa%5fb");
}

TEST(FacebookRequest, TokenIsReadFromTheSuccessPageOnly)
{
    const auto token = pmParseFacebookKey(
        "https://www.facebook.com/connect/login_success.html#access_token=EAAB12xyz&expires_in=5183");
    EXPECT_EQ(token.kind, FacebookKeyResult::Token);
    EXPECT_EQ(token.token, "EAAB12xyz");

    // Nothing follows the token: the rest of the address is the token.
    const auto last = pmParseFacebookKey("http://h/connect/login_success.html#expires_in=1&access_token=ABC");
    EXPECT_EQ(last.kind, FacebookKeyResult::Token);
    EXPECT_EQ(last.token, "ABC");

    EXPECT_EQ(pmParseFacebookKey("http://h/connect/login_success.html?error=access_denied&error_code=200").kind,
              FacebookKeyResult::Error);
    EXPECT_EQ(pmParseFacebookKey("http://h/connect/login_success.html").kind, FacebookKeyResult::NoToken);
    EXPECT_EQ(pmParseFacebookKey("https://www.facebook.com/login.php?access_token=X").kind,
              FacebookKeyResult::NotLoginSuccess);
    EXPECT_EQ(pmParseFacebookKey("").kind, FacebookKeyResult::NotLoginSuccess);
}

TEST(FacebookRequest, UploadFrameAroundTheFile)
{
    EXPECT_EQ(pmUploadContentTypeHeader(), "multipart/form-data; boundary=----------V2ymHFg03ehbqgZCaKO6jy");
    EXPECT_EQ(pmUploadBodyHead("FILE0001.MOV"),
              "\r\n------------V2ymHFg03ehbqgZCaKO6jy\r\n"
              "Content-Disposition: form-data; name=\"upload_field\"; filename=\"FILE0001.MOV\"\r\n"
              "Content-Type: video/mov\r\n\r\n");
    EXPECT_EQ(pmUploadBodyTail(), "\r\n------------V2ymHFg03ehbqgZCaKO6jy--\r\n");
    EXPECT_EQ(pmUploadContentType("a.Mp4"), "video/mov");
    EXPECT_EQ(pmUploadContentType("a.avi"), "video/avi");
    EXPECT_EQ(pmUploadContentType("mov"), "video/avi");
    EXPECT_EQ(pmUploadQuery("T0k", "A&B=C#", ""), "?access_token=T0k&title=A%26B%3DC%23&description=");
}

TEST(FacebookRequest, UploadRequestHead)
{
    EXPECT_EQ(pmUploadRequestHead("/me/videos?access_token=T&title=a%20b&description=", "127.0.0.1:8080", 1234),
              "POST /me/videos?access_token=T&title=a%20b&description= HTTP/1.1\r\n"
              "Host: 127.0.0.1:8080\r\n"
              "Content-Type: multipart/form-data; boundary=----------V2ymHFg03ehbqgZCaKO6jy\r\n"
              "Content-Length: 1234\r\n"
              "User-Agent: Mozilla/5.0\r\n"
              "Connection: close\r\n\r\n");
}

TEST(FacebookRequest, PercentAndHiddenSecret)
{
    EXPECT_EQ(pmUploadPercent(0, 0), 0);
    EXPECT_EQ(pmUploadPercent(999, 1000), 99);
    EXPECT_EQ(pmUploadPercent(1000, 1000), 100);
    EXPECT_EQ(pmUploadPercent(1LL << 31, 1LL << 32), 50);
    EXPECT_EQ(pmHideSecret("GET /x?access_token=S3CR3T&t=S3CR3T", "S3CR3T"),
              "GET /x?access_token=<hidden>&t=<hidden>");
    EXPECT_EQ(pmHideSecret("plain", ""), "plain");
}

#include "sharing/UploadPaging.h"

TEST(UploadPaging, StepsPagesAndEnds)
{
    UploadPaging three(3);
    EXPECT_DOUBLE_EQ(three.proportion(), 0.5);
    EXPECT_TRUE(three.apply(UploadPaging::PageDown));
    EXPECT_EQ(three.position(), 2);
    EXPECT_DOUBLE_EQ(three.value(), 1.0);
    EXPECT_FALSE(three.apply(UploadPaging::LineDown)); // already at the end
    EXPECT_TRUE(three.apply(UploadPaging::LineUp));
    EXPECT_EQ(three.position(), 1);

    UploadPaging four(4);
    for (int i = 0; i < 3; ++i)
        four.apply(UploadPaging::LineDown);
    EXPECT_EQ(four.position(), 3); // three thirds reach the end exactly
    EXPECT_TRUE(four.apply(UploadPaging::PageUp));
    EXPECT_EQ(four.position(), 1);
    EXPECT_TRUE(four.apply(UploadPaging::LineUp));
    EXPECT_EQ(four.position(), 0);
    EXPECT_FALSE(four.apply(UploadPaging::LineUp));
    EXPECT_DOUBLE_EQ(four.value(), 0.0);
}

TEST(UploadPaging, DragMovesOneFileEachTimeTheKnobPassesAProportion)
{
    UploadPaging five(5); // proportion 1/4
    EXPECT_FALSE(five.apply(UploadPaging::Drag, 0.2));
    EXPECT_TRUE(five.apply(UploadPaging::Drag, 0.3));
    EXPECT_EQ(five.position(), 1);
    EXPECT_FALSE(five.apply(UploadPaging::Drag, 0.5)); // 0.2 since the change at 0.3
    EXPECT_TRUE(five.apply(UploadPaging::Drag, 0.6));
    EXPECT_EQ(five.position(), 2);
    EXPECT_TRUE(five.apply(UploadPaging::Drag, 1.0));
    EXPECT_EQ(five.position(), 4);
    EXPECT_TRUE(five.apply(UploadPaging::Drag, 0.7));
    EXPECT_EQ(five.position(), 3);
    EXPECT_TRUE(five.apply(UploadPaging::Drag, 0.0));
    EXPECT_EQ(five.position(), 0);
}
