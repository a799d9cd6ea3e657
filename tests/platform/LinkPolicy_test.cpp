#include "platform/LinkPolicy.h"

#include <gtest/gtest.h>

#include <string>

namespace ttt::test {
namespace {

TEST(LinkPolicy, OpensOnlyWebAndMailAddressesWithoutControlCharacters) {
  for (const char* link : {"http://a.example/", "https://a.example/x?y=1&z=2", "HTTPS://A.EXAMPLE",
                           "mailto:me@example.org", "MailTo:me@example.org",
                           "http://a.example/x;touch pwned && echo $(id)"}) {
    EXPECT_TRUE(isLinkTarget(link)) << link;
  }
  for (const char* refused :
       {"", "-", "--help", "-http://a.example/", "http://", "mailto:", "https:/a.example",
        "file:///etc/passwd", "C:\\Windows\\notepad.exe", "notepad", "javascript:alert(1)",
        " http://a.example/", "ftp://a.example/", "http://a.example/\nrm -rf /",
        "http://a.example/\x7F", "mailto:me@example.org\r"}) {
    EXPECT_FALSE(isLinkTarget(refused)) << refused;
  }
  EXPECT_FALSE(isLinkTarget(std::string("http://a.example/\0x", 19))) << "an embedded NUL";
}

}  // namespace
}  // namespace ttt::test
