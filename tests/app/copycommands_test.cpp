#include "app/copycommands.h"

#include "support/fakealert.h"
#include "support/gridfixture.h"

#include <optional>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

class CopyCommands : public GridFixture {
  protected:
    void SetUp() override {
        GridFixture::SetUp();
        Module1::cps = "\n";
    }
    FakeAlert alert_;
};

TEST_F(CopyCommands, CopyTheColumnsAsText) {
    fill({{"5", "0"}, {"6", "1"}});
    EXPECT_EQ(Module1::copyCommand(PasteColumns::both), "5\t0\n6\t1\n");
    EXPECT_EQ(Module1::copyCommand(PasteColumns::dv), "5\n6\n");
    EXPECT_EQ(Module1::copyCommand(PasteColumns::phase), "0\n1\n");
    EXPECT_TRUE(alert_.asked.empty());
}

TEST_F(CopyCommands, ACellWithATabOrALineBreakRefusesTheCopyOfItsColumn) {
    fill({{"5", "0"}, {"6", "0"}, {"7", "0"}, {"8\r\n9", "1"}});
    EXPECT_EQ(Module1::copyCommand(PasteColumns::both), std::nullopt);
    EXPECT_EQ(Module1::copyCommand(PasteColumns::dv), std::nullopt);
    const std::string notice =
        "Not copied. Row 4 holds a cell with a tab or a line break, which text cannot keep.";
    EXPECT_EQ(alert_.asked, (Strings{notice, notice}));
    EXPECT_EQ(Module1::copyCommand(PasteColumns::phase), "0\n0\n0\n1\n");
}

} // namespace
