#include "report/RendererRegistry.h"

#include "report/ReportRender.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool Listed(const std::vector<TRegisteredRenderer>& list, const TReportRender& r) {
    return std::any_of(list.begin(), list.end(),
                       [&](const TRegisteredRenderer& e) { return e.Render == &r; });
}

} // namespace

TEST(RendererRegistry, NamingListsDestroyingUnlistsInOrder) {
    const size_t before = RegisteredRenderers().size();
    auto first = std::make_unique<TReportRender>();
    TReportRender second;
    first->SetDisplayName("First (ONE)");
    second.SetDisplayName("Second (TWO)");
    auto list = RegisteredRenderers();
    ASSERT_EQ(list.size(), before + 2);
    EXPECT_EQ(list[before].DisplayName, "First (ONE)");
    EXPECT_EQ(list[before + 1].Render, &second);

    // Renaming keeps the place in the list.
    first->SetDisplayName("First renamed");
    list = RegisteredRenderers();
    EXPECT_EQ(list[before].DisplayName, "First renamed");
    ASSERT_EQ(list.size(), before + 2);

    TReportRender* gone = first.get();
    first.reset();
    EXPECT_FALSE(Listed(RegisteredRenderers(), *gone));
    EXPECT_TRUE(Listed(RegisteredRenderers(), second));
}
