// The protocol of a big inspection is complete: 10 000 result rows, every one in the table
// with its own sequence number; 1 000-character fields and a 100 000-character conclusion,
// every character of them in the document.
#include "big_input.h"
#include "protocol/document.h"
#include "protocol/docx_reader.h"
#include "protocol/docx_writer.h"
#include "protocol/protocol.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int ManyRows = 10'000;
constexpr std::size_t LongField = 1'000;
constexpr std::size_t LongConclusion = 100'000;

std::string Text(const pugi::xml_node& node) {
    std::string text;
    for (const pugi::xpath_node& piece : node.select_nodes(".//w:t | .//w:tab"))
        text += std::string_view(piece.node().name()) == "w:tab" ? "\t" : piece.node().text().get();
    return text;
}

class BigProtocolTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        data_ =
            new protocol::ProtocolData(hardening::BigProtocol(ManyRows, LongField, LongConclusion));
        std::optional<std::string> package;
        protocol::Document document([&package](const protocol::Document& shown) {
            package = protocol::DocxPackage(shown);
        });
        protocol::GenerateProtocol(*data_, document, {});
        ASSERT_TRUE(package.has_value()) << "the protocol was never shown";
        xml_ = new pugi::xml_document(protocol::testing::ParsePart(*package, "word/document.xml"));
        for (const pugi::xpath_node& p : xml_->select_nodes("/w:document/w:body/w:p"))
            bodyParagraphs_.push_back(Text(p.node()));
    }
    static void TearDownTestSuite() {
        delete xml_;
        delete data_;
    }

    static inline protocol::ProtocolData* data_ = nullptr;
    static inline pugi::xml_document* xml_ = nullptr;
    static inline std::vector<std::string> bodyParagraphs_;
};

TEST_F(BigProtocolTest, EveryResultRowIsInTheTable) {
    // The results table is the one whose rows have seven cells.
    pugi::xml_node results;
    for (const pugi::xpath_node& table : xml_->select_nodes("/w:document/w:body/w:tbl"))
        if (table.node().select_nodes("w:tr").size() > 2)
            results = table.node();
    ASSERT_TRUE(results);
    const pugi::xpath_node_set rows = results.select_nodes("w:tr");
    ASSERT_EQ(rows.size(), ManyRows + 2u) << "header, required-flow sentence, result rows";
    for (std::size_t r = 0; r < static_cast<std::size_t>(ManyRows); ++r) {
        const pugi::xpath_node_set cells = rows[r + 2].node().select_nodes("w:tc");
        ASSERT_EQ(cells.size(), 7u) << "row " << r + 1;
        const auto& expected = data_->results[r];
        for (std::size_t c = 0; c < 7; ++c)
            ASSERT_EQ(Text(cells[c].node()), expected[c]) << "row " << r + 1 << ", column " << c;
    }
}

TEST_F(BigProtocolTest, LongFieldsArePrintedWhole) {
    const auto& g = data_->general;
    const std::string joined = [] {
        std::string all;
        for (const std::string& p : bodyParagraphs_)
            all += p + "\n";
        return all;
    }();
    EXPECT_NE(joined.find(g.MestoProverki + ", " + g.ObjName + "\n"), std::string::npos);
    EXPECT_NE(joined.find(g.NameOrg + "\n"), std::string::npos);
    EXPECT_NE(joined.find(g.Oborud + "\n"), std::string::npos);
    // The locality stands in the date line's right cell.
    bool locality = false;
    for (const pugi::xpath_node& cell : xml_->select_nodes("//w:tc"))
        locality = locality || Text(cell.node()) == g.Mesto;
    EXPECT_TRUE(locality);
}

TEST_F(BigProtocolTest, LongConclusionIsPrintedWholeParagraphByParagraph) {
    // Each line of the memo, whatever its break, is one paragraph of the protocol, in order.
    std::vector<std::string> lines;
    std::string line;
    const std::string& memo = data_->Memo1;
    for (std::size_t i = 0; i < memo.size(); ++i) {
        if (memo[i] == '\r' || memo[i] == '\n') {
            lines.push_back(line);
            line.clear();
            if (memo[i] == '\r' && i + 1 < memo.size() && memo[i + 1] == '\n')
                ++i;
        } else {
            line += memo[i];
        }
    }
    lines.push_back(line);
    ASSERT_GT(lines.size(), 100u);

    std::size_t at = 0;
    while (at < bodyParagraphs_.size() && bodyParagraphs_[at] != lines.front())
        ++at;
    ASSERT_LT(at, bodyParagraphs_.size()) << "the conclusion's first line is missing";
    for (std::size_t i = 0; i < lines.size(); ++i)
        ASSERT_EQ(bodyParagraphs_.at(at + i), lines[i]) << "line " << i << " of the conclusion";
}

} // namespace
