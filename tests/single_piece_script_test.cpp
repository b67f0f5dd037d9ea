#include "single_piece_script.h"

#include <gtest/gtest.h>

#include "fake_controls.h"
#include "piece_catalogue.h"

namespace armoursmith {
namespace {

using testing::FakeControls;
using testing::Lines;

constexpr std::string_view kTunicScript =
    "// Designed By: Admin Pimlet :)\r\n"
    "[ITEMDEF Itemdef]\r\n"
    "DEFNAME=Defname\r\n"
    "NAME=Name\r\n"
    "ID=i_platemail_chest\r\n"
    "TYPE=T_ARMOR\r\n"
    "WEIGHT=Weight\r\n"
    "ARMOR=Armour\r\n"
    "REQSTR=StrReq\r\n"
    "REQDEX=DexReq\r\n"
    "REQINT=IntReq\r\n"
    "CATEGORY=Pimlet's Creations\r\n"
    "SUBSECTION=Name\r\n"
    "DESCRIPTION=Description\r\n"
    "\r\n"
    "ON=@Create\r\n"
    "COLOR=Color\r\n"
    "{Hp Out of HP}\r\n";

TEST(MakeScript, WritesTheStartUpPromptsWithTheChosenPiece) {
  FakeControls controls;
  controls.Choose(ArmourMaterial::Platemail, 1);
  MakeScript(controls);
  EXPECT_EQ(controls.Script(), kTunicScript);
  EXPECT_EQ(controls.shows, 1);
}

TEST(MakeScript, WithoutAPieceLeavesOutTheIdLineAndRepeatsOnEveryClick) {
  FakeControls controls;
  controls.Choose(ArmourMaterial::Platemail, WholeSetPosition(ArmourMaterial::Platemail));
  MakeScript(controls);
  MakeScript(controls);
  const auto lines = Lines(controls.Script());
  ASSERT_EQ(lines.size(), 34u);
  EXPECT_EQ(lines[3], "NAME=Name");
  EXPECT_EQ(lines[4], "TYPE=T_ARMOR");
  EXPECT_EQ(lines[16], "{Hp Out of HP}");
  EXPECT_EQ(lines[17], "// Designed By: Admin Pimlet :)");
  EXPECT_EQ(controls.shows, 2);
}

TEST(ChooseBaseItemId, SearchesTheListsInMaterialOrderWhateverIsVisible) {
  struct Case {
    std::vector<std::pair<ArmourMaterial, std::int16_t>> choices;
    std::optional<std::string_view> id;
  };
  using enum ArmourMaterial;
  const std::vector<Case> cases = {
      {{{HardLeather, 0}}, "i_studded_gorget"},
      {{{HardLeather, 4}}, "i_studded_leggings"},
      {{{HardLeather, 5}}, std::nullopt},
      {{{Leather, 0}, {HardLeather, 1}}, "i_leather_gorget"},
      {{{Platemail, 6}, {Ringmail, 1}}, "i_ringmail_sleeves"},
      {{{Chainmail, 2}, {Platemail, 5}}, "i_platemail_helm"},
      {{{Chainmail, 7}, {Leather, 5}}, "i_leather_cap"},
  };
  for (const auto& c : cases) {
    FakeControls controls;
    for (const auto& [material, position] : c.choices) controls.Choose(material, position);
    EXPECT_EQ(ChooseBaseItemId(controls), c.id) << (c.id ? *c.id : "none");
  }
}

TEST(MakeScript, AFailureEndsItWithEarlierLinesKeptAndTheWindowNotShown) {
  // 12 field reads and one list read come first; appends are operations 14 to 30, showing 31.
  for (const int failAt : {3, 13, 14, 15, 31}) {
    FakeControls controls;
    controls.Choose(ArmourMaterial::Platemail, 1);
    controls.failAt = failAt;
    EXPECT_THROW(MakeScript(controls), ControlError);
    EXPECT_EQ(controls.shows, 0);
    const std::size_t kept = failAt > 14 ? static_cast<std::size_t>(failAt - 14) : 0;
    ASSERT_EQ(controls.appends.size(), kept);
    EXPECT_TRUE(kTunicScript.starts_with(controls.Script()));
  }
}

}  // namespace
}  // namespace armoursmith
