#include <gtest/gtest.h>

#include "core/app/IniDocument.h"

namespace {

TEST(IniDocumentTest, ReadsValuesIgnoringCaseBlanksAndCarriageReturns) {
    const CIniDocument document =
        CIniDocument::Parse("; comment\r\n[gw]\r\n  portnum =  7 \r\nPath=\"/a b/\"\r\n");
    EXPECT_EQ(document.Value("GW", "PortNum"), "7");
    EXPECT_EQ(document.Value("GW", "Path"), "/a b/");
    EXPECT_FALSE(document.Value("GW", "BaudRate").has_value());
    EXPECT_FALSE(document.Value("Ports", "PortNum").has_value());
}

TEST(IniDocumentTest, KeysOutsideAnySectionAreNotEntries) {
    const CIniDocument document = CIniDocument::Parse("PortNum=3\n[GW]\nFlag=2\n");
    EXPECT_FALSE(document.Value("", "PortNum").has_value());
    EXPECT_EQ(document.Value("GW", "Flag"), "2");
}

TEST(IniDocumentTest, SetValueReplacesInPlaceAndKeepsEverythingElse) {
    CIniDocument document =
        CIniDocument::Parse("# mine\n[GW]\nPortNum=1\nExtra=x\n\n[Ports]\nCOM7=/dev/pts/3\n");
    document.SetValue("gw", "PORTNUM", "5");
    EXPECT_EQ(document.Text(), "# mine\n[GW]\nPortNum=5\nExtra=x\n\n[Ports]\nCOM7=/dev/pts/3\n");
}

TEST(IniDocumentTest, SetValueAddsKeyAtTheEndOfItsSection) {
    CIniDocument document = CIniDocument::Parse("[GW]\nPortNum=1\n\n[Ports]\nCOM7=/dev/pts/3\n");
    document.SetValue("GW", "Flag", "00000002");
    EXPECT_EQ(document.Text(), "[GW]\nPortNum=1\nFlag=00000002\n\n[Ports]\nCOM7=/dev/pts/3\n");
}

TEST(IniDocumentTest, SetValueAddsMissingSection) {
    CIniDocument document = CIniDocument::Parse("[Ports]\nCOM7=/dev/pts/3");
    document.SetValue("GW", "PortNum", "7");
    EXPECT_EQ(document.Text(), "[Ports]\nCOM7=/dev/pts/3\n\n[GW]\nPortNum=7\n");
    CIniDocument empty = CIniDocument::Parse("");
    empty.SetValue("GW", "PortNum", "7");
    EXPECT_EQ(empty.Text(), "[GW]\nPortNum=7\n");
}

// Every line keeps its ending; added lines end like the document's first line.
TEST(IniDocumentTest, LineEndingsStayAsTheyWere) {
    const struct {
        const char* text;
        const char* written;
    } cases[] = {
        {"[GW]\r\nPortNum=1\r\n\r\n[Ports]\r\nCOM7=/dev/x\r\n",
         "[GW]\r\nPortNum=5\r\nFlag=2\r\n\r\n[Ports]\r\nCOM7=/dev/x\r\n"},
        {"[GW]\r\nPortNum=1", "[GW]\r\nPortNum=5\r\nFlag=2\r\n"},
        {"[GW]\nPortNum=1\r\n", "[GW]\nPortNum=5\r\nFlag=2\n"},
        {"; only a comment\r\n", "; only a comment\r\n\r\n[GW]\r\nPortNum=5\r\nFlag=2\r\n"},
    };
    for (const auto& c : cases) {
        CIniDocument document = CIniDocument::Parse(c.text);
        document.SetValue("GW", "PortNum", "5");
        document.SetValue("GW", "Flag", "2");
        EXPECT_EQ(document.Text(), c.written) << c.text;
    }
    EXPECT_EQ(CIniDocument::Parse("[GW]\r\nPath=\r\n").Text(), "[GW]\r\nPath=\r\n");
    EXPECT_EQ(CIniDocument::Parse("[GW]\nPath=/x").Text(), "[GW]\nPath=/x");
}

TEST(IniDocumentTest, EntriesOfASectionInFileOrder) {
    const CIniDocument document = CIniDocument::Parse("[Ports]\nCOM2=/b\nCOM1=/a\n[GW]\nPortNum=1\n");
    const auto entries = document.Entries("ports");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], (std::pair<std::string, std::string>{"COM2", "/b"}));
    EXPECT_EQ(entries[1], (std::pair<std::string, std::string>{"COM1", "/a"}));
}

}  // namespace
