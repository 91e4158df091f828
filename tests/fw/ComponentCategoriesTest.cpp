#include "fw/core/ComponentCategories.h"

#include <gtest/gtest.h>

namespace {

TEST(ComponentCategories, KeepDescriptionsByCategoryAndLanguage)
{
    fw::ComponentCategories categories;
    const std::string id = "{40FC6ED4-2438-11CF-A3DB-080036F12502}";
    struct Step {
        std::string catid;
        std::uint32_t language;
        std::string description;
        fw::HRESULT result;
    };
    const Step steps[] = {
        {id, 0x409, "Varnex Documents", fw::S_OK},
        {"{40fc6ed4-2438-11cf-a3db-080036f12502}", 0x407, "Varnex-Dokumente", fw::S_OK},   // same id, other case
        {"{11111111-0000-0000-0000-000000000000}", 0x409, std::string(200, 'x'), fw::S_OK},
        {"", 0x409, "nameless", fw::E_INVALIDARG},
    };
    for (const Step& step : steps)
        EXPECT_EQ(categories.Register(step.catid, step.language, step.description), step.result) << step.description;

    struct Query {
        std::string catid;
        std::uint32_t language;
        std::optional<std::string> description;
    };
    const Query queries[] = {
        {id, 0x409, "Varnex Documents"},
        {id, 0x407, "Varnex-Dokumente"},
        {"{40fc6ed4-2438-11cf-a3db-080036f12502}", 0x409, "Varnex Documents"},
        {id, 0x40C, std::nullopt},
        {"{11111111-0000-0000-0000-000000000000}", 0x409, std::string(127, 'x')},
        {"{22222222-0000-0000-0000-000000000000}", 0x409, std::nullopt},
        {"", 0x409, std::nullopt},
    };
    for (const Query& query : queries)
        EXPECT_EQ(categories.Description(query.catid, query.language), query.description) << query.catid;

    // Registering again replaces the description.
    EXPECT_EQ(categories.Register(id, 0x409, "Varnex Parts"), fw::S_OK);
    EXPECT_EQ(categories.Description(id, 0x409), "Varnex Parts");
}

} // namespace
