#include "core/ini_document.h"

#include <gtest/gtest.h>

namespace quellorn {
namespace {

TEST(IniDocument, FindsKeysAsTheProfileFunctionsDo) {
  const IniDocument ini(
      "orphan=before any section\r\n"
      "[general]\r\n"
      "  AntiRecover  =  1  \r\n"
      "Empty=\r\n"
      "NoEquals\r\n"
      "dup=first\r\n"
      "dup=second\r\n"
      "; note=comment\r\n"
      "[IE]\n"
      "Cache=0\n");
  EXPECT_EQ(ini.Find("General", "antirecover"), "1");
  EXPECT_EQ(ini.Find("GENERAL", "empty"), "");
  EXPECT_EQ(ini.Find("General", "NoEquals"), std::nullopt);
  EXPECT_EQ(ini.Find("General", "dup"), "first");
  EXPECT_EQ(ini.Find("General", "Cache"), std::nullopt);
  EXPECT_EQ(ini.Find("ie", "cache"), "0");
  EXPECT_EQ(ini.Find("General", "orphan"), std::nullopt);
  EXPECT_EQ(ini.Find("Missing", "Cache"), std::nullopt);
}

TEST(IniDocument, SetChangesOnlyTheLinesConcerned) {
  IniDocument ini("; settings\r\n[General]\r\nStealth = 1\r\nSound=0\r\n\r\n[IE]\r\nCache=0\r\n");
  ini.Set("general", "stealth", "0");
  ini.Set("General", "clearlog", "3");
  ini.Set("Opera", "URL", "1");
  EXPECT_EQ(ini.Text(),
            "; settings\r\n[General]\r\nStealth=0\r\nSound=0\r\nclearlog=3\r\n\r\n"
            "[IE]\r\nCache=0\r\n[Opera]\r\nURL=1\r\n");
  IniDocument empty;
  empty.Set("Info", "Selected", "0");
  EXPECT_EQ(empty.Text(), "[Info]\r\nSelected=0\r\n");
}

// The first of equal sections wins, and goes first.
TEST(IniDocument, FirstOfEqualSectionsWinsAndIsRemovedWithItsKeys) {
  IniDocument ini("[A]\r\nx=1\r\n[B]\r\ny=2\r\n[a]\r\nx=2\r\nz=3\r\n");
  EXPECT_EQ(ini.Find("A", "x"), "1");
  EXPECT_EQ(ini.Find("A", "z"), std::nullopt);
  ini.RemoveSection("A");
  EXPECT_EQ(ini.Text(), "[B]\r\ny=2\r\n[a]\r\nx=2\r\nz=3\r\n");
  EXPECT_EQ(ini.Find("A", "x"), "2");
  EXPECT_EQ(ini.Find("A", "z"), "3");
}

TEST(IniDocument, KeysBeforeAnySectionBelongToTheUnnamedOne) {
  IniDocument ini("k=0\r\n[ S ]\r\nj=1\r\n");
  EXPECT_EQ(ini.Find("", "k"), "0");
  EXPECT_EQ(ini.Find("S", "j"), "1");
  EXPECT_EQ(ini.Find("S", "k"), std::nullopt);
  ini.RemoveSection("");
  EXPECT_EQ(ini.Text(), "[ S ]\r\nj=1\r\n");
}

}  // namespace
}  // namespace quellorn
