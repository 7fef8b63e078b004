#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/base/Utf.h"
#include "core/xml/XmlDocument.h"

namespace n63k {
namespace {

TEST(XmlNavigationTest, FindChildElementWalksTheChildrenInOrder) {
  XmlDocument doc;
  ASSERT_TRUE(doc.SetText(u"<r><a>1</a><b>x</b><a>2</a></r>"));
  doc.ResetPosition();
  ASSERT_TRUE(doc.FindChildElement("a"));
  EXPECT_EQ(doc.GetChildTextUtf8(), "1");
  ASSERT_TRUE(doc.FindChildElement("a"));
  EXPECT_EQ(doc.GetChildTextUtf8(), "2");
  EXPECT_FALSE(doc.FindChildElement("a"));
  EXPECT_EQ(doc.GetChildTextUtf8(), "2");

  doc.ResetPosition();
  ASSERT_TRUE(doc.FindChildElement());
  EXPECT_EQ(doc.GetChildTextUtf8(), "1");
  ASSERT_TRUE(doc.FindChildElement());
  EXPECT_EQ(doc.GetChildTextUtf8(), "x");
}

TEST(XmlNavigationTest, PositionsFollowEachStep) {
  // r=1, s=2, k=3, s=4, k=5
  XmlDocument doc;
  ASSERT_TRUE(doc.SetText(u"<r><s><k>v</k></s><s><k>w</k></s></r>"));
  struct Positions {
    std::uint32_t parent, current, child;
    bool operator==(const Positions&) const = default;
  };
  const auto positions = [&] {
    return Positions{doc.ParentPosition(), doc.CurrentPosition(), doc.ChildPosition()};
  };
  EXPECT_EQ(doc.NodeKind(), XmlNodeKind::kNone);
  ASSERT_TRUE(doc.FindChildElement("s"));
  EXPECT_EQ(positions(), (Positions{0, 1, 2}));
  EXPECT_EQ(doc.NodeKind(), XmlNodeKind::kElement);
  ASSERT_TRUE(doc.FindChildElement("s"));
  EXPECT_EQ(positions(), (Positions{0, 1, 4}));
  ASSERT_TRUE(doc.EnterElement());
  EXPECT_EQ(positions(), (Positions{1, 4, 0}));
  ASSERT_TRUE(doc.FindChildElement("k"));
  EXPECT_EQ(positions(), (Positions{1, 4, 5}));
  EXPECT_EQ(doc.GetChildTextUtf8(), "w");
  EXPECT_FALSE(doc.FindElement("s"));
  EXPECT_EQ(positions(), (Positions{1, 4, 5}));

  doc.ResetPosition();
  EXPECT_EQ(positions(), (Positions{0, 0, 0}));
  EXPECT_EQ(doc.NodeKind(), XmlNodeKind::kNone);
  ASSERT_TRUE(doc.FindElement("r"));
  EXPECT_EQ(positions(), (Positions{0, 1, 0}));
  ASSERT_TRUE(doc.EnterElement());
  EXPECT_EQ(positions(), (Positions{1, 0, 0}));
  EXPECT_EQ(doc.NodeKind(), XmlNodeKind::kNone);
  ASSERT_TRUE(doc.FindElement("s"));
  ASSERT_TRUE(doc.FindElement("s"));
  EXPECT_EQ(positions(), (Positions{1, 4, 0}));
  EXPECT_FALSE(doc.FindElement("s"));
}

TEST(XmlNavigationTest, EnterElementNeedsACurrentElement) {
  XmlDocument doc;
  ASSERT_TRUE(doc.SetText(u"<r/>"));
  EXPECT_FALSE(doc.EnterElement());
  EXPECT_EQ(doc.ParentPosition(), 0u);
}

TEST(XmlNavigationTest, RootWithSiblingMakesTheFirstCurrent) {
  XmlDocument doc;
  EXPECT_FALSE(doc.SetText(u"<a/><b/>"));
  EXPECT_FALSE(doc.FindChildElement("b"));
  EXPECT_FALSE(doc.FindChildElement());
  EXPECT_EQ(doc.CurrentPosition(), 1u);
  EXPECT_EQ(doc.ElementName(doc.CurrentPosition()), u"a");
}

struct NameCase {
  const char* element;  // the document
  const char* requested;
  bool matches;
};

void PrintTo(const NameCase& c, std::ostream* os) {
  *os << c.element << " / " << c.requested;
}

class XmlNameMatchTest : public testing::TestWithParam<NameCase> {};

TEST_P(XmlNameMatchTest, MatchesByTheNameAndItsEnd) {
  const NameCase& c = GetParam();
  XmlDocument doc;
  doc.SetText(Utf8ToUtf16(c.element));
  EXPECT_EQ(doc.FindElement(c.requested), c.matches);
}

INSTANTIATE_TEST_SUITE_P(
    Names, XmlNameMatchTest,
    testing::Values(NameCase{"<config/>", "config", true}, NameCase{"<configs/>", "config", false},
                    NameCase{"<config/>", "configs", false}, NameCase{"<Config/>", "config", false},
                    NameCase{"<a/>", "a/b", true}, NameCase{"<a/>", "a b", true},
                    NameCase{"<a/>", "a=1", true}, NameCase{"<a/>", "a[1]", true},
                    NameCase{"<a/>", "a]", true}, NameCase{"<a/>", "a.b", false},
                    NameCase{"<a/>", "a\tb", false}, NameCase{"<a/>", "", true},
                    NameCase{"<a x='1'/>", "a", true}, NameCase{"<a;b/>", "a", true},
                    NameCase{"<a?b/>", "a", true}, NameCase{"<a\\b/>", "a", true},
                    NameCase{"<a!b/>", "a", true}, NameCase{"<a:b/>", "a", false},
                    NameCase{"<a:b/>", "a:b", true},
                    NameCase{"<\xC3\xA9t\xC3\xA9/>", "\xC3\xA9t\xC3\xA9", true}));

}  // namespace
}  // namespace n63k
