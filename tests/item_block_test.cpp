#include "item_block.h"

#include <gtest/gtest.h>

#include "fake_controls.h"
#include "piece_catalogue.h"

namespace armoursmith {
namespace {

using testing::FakeControls;

TEST(PieceCatalogue, BaseItemIdsComeFromTheTableNotTheLabels) {
  EXPECT_EQ(BaseItemId(ArmourMaterial::Platemail, 1), "i_platemail_chest");
  EXPECT_EQ(BaseItemId(ArmourMaterial::HardLeather, 0), "i_studded_gorget");
  EXPECT_EQ(BaseItemId(ArmourMaterial::Leather, 0), "i_leather_gorget");
  EXPECT_EQ(BaseItemId(ArmourMaterial::Leather, 5), "i_leather_cap");
  EXPECT_EQ(BaseItemId(ArmourMaterial::Ringmail, 2), "i_ringmail_gloves");
  for (const ArmourMaterial material : kArmourMaterials) {
    const std::int16_t wholeSet = WholeSetPosition(material);
    EXPECT_EQ(CatalogueEntry(material).entries.back().label, "Whole Set");
    EXPECT_EQ(BaseItemId(material, -1), std::nullopt);
    EXPECT_EQ(BaseItemId(material, wholeSet), std::nullopt);
    EXPECT_EQ(BaseItemId(material, wholeSet + 1), std::nullopt);
    EXPECT_EQ(BaseItemId(material, INT16_MIN), std::nullopt);
    EXPECT_NE(BaseItemId(material, wholeSet - 1), std::nullopt);
  }
  const std::vector<std::int16_t> positions = {6, 4, 3, 6, 5};
  for (std::size_t i = 0; i < positions.size(); ++i) {
    EXPECT_EQ(WholeSetPosition(kArmourMaterials[i]), positions[i]);
  }
}

TEST(ItemBlock, EmptyFieldsGiveSixteenBareLines) {
  FakeControls controls;
  AppendItemBlock(controls, ItemFields{}, {});
  EXPECT_EQ(controls.Script(),
            "[ITEMDEF ]\r\nDEFNAME=\r\nNAME=\r\nTYPE=T_ARMOR\r\nWEIGHT=\r\nARMOR=\r\n"
            "REQSTR=\r\nREQDEX=\r\nREQINT=\r\nCATEGORY=Pimlet's Creations\r\nSUBSECTION=\r\n"
            "DESCRIPTION=\r\n\r\nON=@Create\r\nCOLOR=\r\n{ }\r\n");
  // One append per line, the empty line going with the description line.
  EXPECT_EQ(controls.appends.size(), 15u);
  EXPECT_EQ(controls.appends[11], "DESCRIPTION=\r\n\r\n");
}

TEST(ItemBlock, WritesTextsVerbatimAndPlacesOptionalLines) {
  ItemFields fields;
  fields.texts = {"unused", "unused", "Sub ",   " 5",          "{a=b}", "",
                  "",       "",       "unused", "0x1\xc2\xa0", "-3",    "x"};
  FakeControls controls;
  controls.appends.push_back("typed");
  AppendItemBlock(controls, fields,
                  {.headerId = "a]b",
                   .defname = "d",
                   .name = "n",
                   .baseItemId = "i_x",
                   .description = "e",
                   .trailingEmptyLine = true});
  const auto lines = testing::Lines(controls.Script());
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0], "typed[ITEMDEF a]b]");
  EXPECT_EQ(lines[2], "NAME=n");
  EXPECT_EQ(lines[3], "ID=i_x");
  EXPECT_EQ(lines[4], "TYPE=T_ARMOR");
  EXPECT_EQ(lines[5], "WEIGHT= 5");
  EXPECT_EQ(lines[6], "ARMOR={a=b}");
  EXPECT_EQ(lines[11], "SUBSECTION=Sub ");
  EXPECT_EQ(lines[15], "COLOR=0x1\xc2\xa0");
  EXPECT_EQ(lines[16], "{-3 x}");
  EXPECT_EQ(lines[17], "");
  EXPECT_EQ(controls.appends.back(), "{-3 x}\r\n\r\n");
}

}  // namespace
}  // namespace armoursmith
