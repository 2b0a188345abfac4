#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/ppd/ppd_test_util.h"

namespace psui {
namespace {

using test::Compile;
using test::Option;
using test::OptionNames;
using Names = std::vector<std::string>;

const PpdPageSizeOption* Size(const PpdImage& image, const char* name) {
  return static_cast<const PpdPageSizeOption*>(Option(image, "PageSize", name));
}

TEST(PpdScalars, DefaultsBooleansIntegersRealsAndTables) {
  auto image = Compile("*PPD-Adobe: \"4.3\"\n");
  ASSERT_TRUE(image);
  EXPECT_EQ(image->languageLevel, 1u);
  EXPECT_EQ(image->suggestedWaitTimeout, 240u);
  EXPECT_EQ(image->screenAngle, 45u * 256);
  EXPECT_EQ(image->screenFreq, 60u * 256);
  EXPECT_EQ(image->freeVm, 102400u);

  image = Compile(
      "*ColorDevice: True\n*ColorDevice: False\n*Booklet: Maybe\n*Overlay: True\n"
      "*LanguageLevel: \"3\"\n*FreeVM: \"50000\"\n*SuggestedJobTimeout: oops\n*SuggestedJobTimeout: 30\n"
      "*ScreenFreq: \"85.5\"\n*TTRasterizer: Type42\n*LandscapeOrientation: Sideways\n"
      "*Protocols: PJL TBCP Unknown\n*Protocols: BCP\n*Extensions: DPS CMYK\n"
      "*TrueImageDevice: Yes\n*AcceptsTrueType: True\n");
  ASSERT_TRUE(image);
  EXPECT_EQ(image->colorDevice, 1u) << "the first ColorDevice wins";
  EXPECT_EQ(image->booklet, 0u);
  EXPECT_EQ(image->overlay, 1u);
  EXPECT_EQ(image->languageLevel, 3u);
  EXPECT_EQ(image->freeVm, 102400u) << "raised to the minimum";
  EXPECT_EQ(image->suggestedJobTimeout, 30u) << "a malformed value does not use up the keyword";
  EXPECT_EQ(image->screenFreq, 85u * 256 + 128);
  EXPECT_EQ(image->ttRasterizer, 2u);
  EXPECT_EQ(image->landscapeOrientation, 0u);
  EXPECT_EQ(image->protocols, 1u | 4u | 2u);
  EXPECT_EQ(image->extensions, 1u | 2u);
  EXPECT_EQ(image->trueImageDevice, 0u);
  EXPECT_EQ(image->acceptsTrueType, 1u);
}

TEST(PpdScalars, CmykExtensionMakesAColorDeviceEvenAfterColorDeviceFalse) {
  auto image = Compile("*ColorDevice: False\n*Extensions: CMYK\n");
  ASSERT_TRUE(image);
  EXPECT_EQ(image->colorDevice, 1u);
}

TEST(PpdScalars, StringsFirstWinsHexDecodingAndValueKinds) {
  auto image = Compile(
      "*NickName: \"Caf<E9> Printer\"\n*NickName: \"Second\"\n*Password: unquoted\n*Password: \"0\"\n"
      "*JCLBegin: \"<1B>%-12345X\"\n*ExitServer: \"a\nb\"\n");
  ASSERT_TRUE(image);
  EXPECT_STREQ(image->nickName, "Caf\xE9 Printer");
  EXPECT_STREQ(image->password, "0") << "Password takes only quoted values";
  EXPECT_STREQ(image->jclBegin, "\x1B%-12345X");
  EXPECT_STREQ(image->exitServer, "a\nb");
  EXPECT_EQ(image->jclEnd, nullptr);
}

TEST(PpdScalars, LanguageEncodingWinsOverLanguageVersionInEitherOrder) {
  auto a = Compile("*LanguageVersion: Japanese\n*LanguageEncoding: ISOLatin1\n");
  auto b = Compile("*LanguageEncoding: ISOLatin1\n*LanguageVersion: Japanese\n");
  auto c = Compile("*LanguageVersion: Japanese\n");
  ASSERT_TRUE(a && b && c);
  EXPECT_EQ(a->languageEncoding, 1u);
  EXPECT_EQ(b->languageEncoding, 1u);
  EXPECT_EQ(c->languageEncoding, 2u);
}

TEST(PpdScalars, HwMarginsNeedAllFourNumbers) {
  auto image = Compile("*HWMargins: 1 2 3\n");
  ASSERT_TRUE(image);
  EXPECT_EQ(image->hasHwMargins, 0u);
  image = Compile("*HWMargins: 1 2 3\n*HWMargins: 12 12.5 0 18\n");
  ASSERT_TRUE(image);
  EXPECT_EQ(image->hasHwMargins, 1u);
  EXPECT_EQ(image->hwMargins[1], 12u * 256 + 128);
  EXPECT_EQ(image->hwMargins[3], 18u * 256);
}

TEST(PpdCustomSize, ParametersCodeAndTheMaximumMediaRule) {
  auto image = Compile(
      "*CustomPageSize True: \"pop pop pop\"\n*CustomPageSize False: \"no\"\n"
      "*ParamCustomPageSize Width: 1 points 0 1000\n*ParamCustomPageSize Height: 6 points 0 1\n"
      "*ParamCustomPageSize Orientation: 5 int 0 3\n*ParamCustomPageSize Depth: 1 points 0 1\n"
      "*ParamCustomPageSize HeightOffset: 4 furlongs 0 1\n*MaxMediaWidth: \"612\"\n");
  ASSERT_TRUE(image);
  EXPECT_EQ(image->customPageSize, 1u);
  EXPECT_STREQ(image->customPageSizeCode, "pop pop pop");
  const PpdCustomParam& width = image->customParams[kPpdParamWidth];
  EXPECT_EQ(width.order, 1u);
  EXPECT_EQ(width.type, 2u);
  EXPECT_EQ(width.minimum, 0u);
  EXPECT_EQ(width.maximum, 256000u);
  EXPECT_EQ(image->customParams[kPpdParamHeight].order, 0u) << "order 6 is refused";
  EXPECT_EQ(image->customParams[kPpdParamOrientation].maximum, 768u);
  EXPECT_EQ(image->customParams[kPpdParamHeightOffset].order, 0u) << "unknown type ignored";

  auto no_media = Compile("*CustomPageSize True: \"x\"\n");
  ASSERT_TRUE(no_media);
  EXPECT_EQ(no_media->customPageSize, 0u) << "cleared without a maximum media size";
  EXPECT_STREQ(no_media->customPageSizeCode, "x");
}

TEST(PpdFonts, StandardFontsOnlyFirstWinsAndEncodingFields) {
  auto image = Compile(
      "*Font Foo: Standard \"(001.000)\" Standard ROM\n"
      "*Font Courier: Standard \"(002.004 S)\" ISOLatin1 ROM\n"
      "*Font Courier: Special \"(1)\" Special ROM\n"
      "*Font Symbol/Sym<62>ol: Special \"(001.007S)\" Special ROM\n"
      "*Font Times-Roman: Klingon \"(1)\" Standard ROM\n"
      "*Font Arial: Standard\n");
  ASSERT_TRUE(image);
  std::vector<const PpdFont*> fonts;
  for (const PpdFont* f = image->fonts; f != nullptr; f = f->next) fonts.push_back(f);
  ASSERT_EQ(fonts.size(), 4u);
  EXPECT_STREQ(fonts[0]->name, "Courier");
  EXPECT_EQ(fonts[0]->fontId, 17);
  EXPECT_EQ(fonts[0]->encoding, 0);
  EXPECT_EQ(fonts[0]->charset, 3) << "read after a version string with a space";
  EXPECT_STREQ(fonts[1]->translation, "Symbol");
  EXPECT_EQ(fonts[1]->encoding, 1);
  EXPECT_EQ(fonts[1]->charset, 2);
  EXPECT_EQ(fonts[2]->encoding, 9) << "unknown encoding";
  EXPECT_EQ(fonts[2]->charset, 0) << "not read after an unknown encoding";
  EXPECT_EQ(fonts[3]->charset, 0) << "absent";
}

TEST(PpdPageSizes, OptionsFromEveryPageSizeStatementWithoutOpenUi) {
  auto image = Compile(
      "*DefaultPageSize: A4\n*PageSize Letter/US Letter: \"letter\"\n*PageSize A4: \"a4\"\n"
      "*PageRegion A4/A4 region: \"a4r\"\n*ImageableArea A4/A4: \"10 10 585 832\"\n"
      "*PaperDimension A4/A4: \"595 842\"\n*PaperDimension Odd: \"100\"\n");
  ASSERT_TRUE(image);
  const PpdKeyword* page_size = image->FindKeyword("PageSize");
  ASSERT_NE(page_size, nullptr);
  EXPECT_EQ(page_size->uiType, kPpdUiPickOne);
  EXPECT_EQ(page_size->builtinIndex, kPpdPageSize);
  EXPECT_EQ(page_size->optionRecordSize, sizeof(PpdPageSizeOption));
  EXPECT_EQ(OptionNames(*image, "PageSize"), (Names{"Letter", "A4", "Odd"}));
  EXPECT_EQ(page_size->defaultOption, 1u);
  const PpdPageSizeOption* a4 = Size(*image, "A4");
  EXPECT_STREQ(a4->translation, "A4 region") << "the first statement with a translation gives it";
  EXPECT_STREQ(a4->code, "a4");
  EXPECT_STREQ(a4->regionCode, "a4r");
  EXPECT_EQ(a4->width, 595u * 256);
  EXPECT_EQ(a4->imageableArea[0], 2816u);
  EXPECT_EQ(a4->imageableArea[1], 2816u);
  EXPECT_EQ(a4->imageableArea[2], 149760u);
  EXPECT_EQ(a4->imageableArea[3], 212992u);
  EXPECT_EQ(image->builtinKeywords[kPpdPageSize], page_size);
}

TEST(PpdPageSizes, EmptyTranslationStaysAbsentForALaterStatement) {
  auto image = Compile("*PageSize A4: \"a4\"\n*PageRegion A4/Region A4: \"r\"\n*ImageableArea A4/Late: \"0 0 1 1\"\n");
  ASSERT_TRUE(image);
  EXPECT_STREQ(Option(*image, "PageSize", "A4")->translation, "Region A4");
}

TEST(PpdPageSizes, MalformedHexTranslationFailsWhenItIntroducesTheOption) {
  EXPECT_FALSE(Compile("*PageSize A4/<zz>: \"a4\"\n"));
  // On a later statement it only skips that statement.
  auto image = Compile("*PageSize A4: \"a4\"\n*PageRegion A4/<zz>: \"r\"\n");
  ASSERT_TRUE(image);
  const auto* a4 = Size(*image, "A4");
  EXPECT_EQ(a4->translation, nullptr);
  EXPECT_EQ(a4->regionCode, nullptr);
}

TEST(PpdPageSizes, MalformedNumbersKeepTheCreatedOption) {
  auto image = Compile("*ImageableArea B5: \"1 2 x 4\"\n");
  ASSERT_TRUE(image);
  EXPECT_EQ(OptionNames(*image, "PageSize"), (Names{"B5"}));
  const auto* b5 = Size(*image, "B5");
  EXPECT_EQ(b5->width, 0u);
  EXPECT_EQ(b5->imageableArea[2], 0u);
}

TEST(PpdInputSlots, RequiresPageRegionPerSlotAndAll) {
  auto per_slot = Compile(
      "*InputSlot Tray1: \"t1\"\n*InputSlot Tray2: \"t2\"\n*RequiresPageRegion Tray1: False\n"
      "*RequiresPageRegion Tray3: Bogus\n");
  ASSERT_TRUE(per_slot);
  auto requires = [](const PpdImage& image, const char* slot) {
    return static_cast<const PpdInputSlotOption*>(Option(image, "InputSlot", slot))->requiresPageRegion;
  };
  EXPECT_EQ(requires(*per_slot, "Tray1"), 0u);
  EXPECT_EQ(requires(*per_slot, "Tray2"), 1u);
  EXPECT_EQ(requires(*per_slot, "Tray3"), 0u) << "created by RequiresPageRegion, unrecognised value";

  auto all_true = Compile("*InputSlot Tray1: \"t1\"\n*RequiresPageRegion Tray1: False\n*RequiresPageRegion All: True\n");
  ASSERT_TRUE(all_true);
  EXPECT_EQ(requires(*all_true, "Tray1"), 1u);
  auto all_false = Compile("*RequiresPageRegion All: False\n*InputSlot Tray1: \"t1\"\n");
  ASSERT_TRUE(all_false);
  EXPECT_EQ(requires(*all_false, "Tray1"), 0u);
  auto both = Compile("*RequiresPageRegion All: False\n*RequiresPageRegion All: True\n*InputSlot T: \"t\"\n");
  ASSERT_TRUE(both);
  EXPECT_EQ(requires(*both, "T"), 1u);
  EXPECT_EQ(both->FindKeyword("InputSlot")->flags, 3u);
}

TEST(PpdResolution, StatementsMergeIntoOneKeywordAndTheFirstDefaultWins) {
  auto image = Compile(
      "*DefaultJCLResolution: 300dpi\n*DefaultResolution: 600dpi\n*Resolution 600dpi/600 DPI: \"r6\"\n"
      "*JCLResolution 300dpi: \"@PJL <41>\"\n*SetResolution 600dpi: \"s6\"\n"
      "*ResScreenAngle 600dpi: \"45.0\"\n*ResScreenFreq 600dpi: \"106\"\n*ResScreenFreq 300dpi: bad\n");
  ASSERT_TRUE(image);
  EXPECT_EQ(OptionNames(*image, "Resolution"), (Names{"600dpi", "300dpi"}));
  EXPECT_EQ(image->resolutionKind, 2u);
  EXPECT_EQ(image->FindKeyword("Resolution")->defaultOption, 1u);
  const auto* r600 = static_cast<const PpdResolutionOption*>(Option(*image, "Resolution", "600dpi"));
  const auto* r300 = static_cast<const PpdResolutionOption*>(Option(*image, "Resolution", "300dpi"));
  EXPECT_STREQ(r600->code, "r6");
  EXPECT_STREQ(r600->setCode, "s6");
  EXPECT_EQ(r600->screenAngle, 45u * 256);
  EXPECT_EQ(r600->screenFreq, 106u * 256);
  EXPECT_STREQ(r300->jclCode, "@PJL A");
  EXPECT_EQ(r300->screenFreq, 0u);
}

TEST(PpdMemory, VmOptionsAndTheSeparateInstalledMemoryDefault) {
  auto image = Compile(
      "*OpenGroup: InstallableOptions/Options Installed\n"
      "*OpenUI *InstalledMemory/Memory: PickOne\n*DefaultInstalledMemory: 8MB\n"
      "*InstalledMemory 4MB/4 MB: \"4\"\n*InstalledMemory 8MB/8 MB: \"8\"\n*CloseUI: *InstalledMemory\n"
      "*CloseGroup: InstallableOptions\n*VMOption 4MB: \"1500000\"\n");
  ASSERT_TRUE(image);
  const PpdKeyword* vm = image->FindKeyword("VMOption");
  ASSERT_NE(vm, nullptr);
  EXPECT_STREQ(vm->translation, "Memory");
  EXPECT_EQ(vm->installable, 1u);
  EXPECT_EQ(OptionNames(*image, "VMOption"), (Names{"4MB", "8MB"}));
  EXPECT_EQ(static_cast<const PpdVmOption*>(Option(*image, "VMOption", "4MB"))->vmSize, 1500000u);
  const PpdKeyword* installed = image->FindKeyword("InstalledMemory");
  ASSERT_NE(installed, nullptr) << "the default creates an ordinary keyword of that name";
  EXPECT_EQ(installed->options, nullptr);
  EXPECT_EQ(installed->installable, 1u);
}

TEST(PpdUi, GenericBlocksCollectOptionsAndTheirDefaultOnlyInside) {
  auto image = Compile(
      "*OpenUI *ColorModel/Color Mode: PickOne\n*DefaultColorModel: Gray\n"
      "*ColorModel CMYK/Color: \"c\"\n*ColorModel Gray/Grayscale: \"g\"\n*CloseUI: *ColorModel  \n"
      "*DefaultColorModel: CMYK\n*ColorModel RGB: \"r\"\n"
      "*JCLOpenUI *JCLTray/Tray: PickMany\n*JCLTray A: \"<1B>A\"\n*JCLCloseUI: *JCLTray\n"
      "*OpenUI *Staple: Boolean\n*Staple True: \"s\"\n*OpenUI *Punch: Weird\n");
  ASSERT_TRUE(image);
  const PpdKeyword* color = image->FindKeyword("ColorModel");
  ASSERT_NE(color, nullptr);
  EXPECT_STREQ(color->translation, "Color Mode");
  EXPECT_EQ(color->uiType, kPpdUiPickOne);
  EXPECT_EQ(OptionNames(*image, "ColorModel"), (Names{"CMYK", "Gray"}));
  EXPECT_EQ(color->defaultOption, 1u) << "the default after CloseUI is ignored";
  const PpdKeyword* jcl = image->FindKeyword("JCLTray");
  EXPECT_EQ(jcl->flags & kPpdJclKeyword, kPpdJclKeyword);
  EXPECT_EQ(jcl->uiType, kPpdUiPickMany);
  EXPECT_STREQ(Option(*image, "JCLTray", "A")->code, "\x1B" "A");
  EXPECT_EQ(image->FindKeyword("Staple")->uiType, kPpdUiBoolean);
  EXPECT_EQ(OptionNames(*image, "Staple"), (Names{"True"})) << "a new OpenUI closes the open block";
  EXPECT_EQ(image->FindKeyword("Punch")->uiType, kPpdUiPickOne);
}

TEST(PpdUi, BuiltinKeywordsNeverOpenAGenericBlock) {
  auto image = Compile(
      "*OpenUI *Duplex/Two Sided: PickOne\n*Duplex None/Off: \"n\"\n*CloseUI: *Duplex\n"
      "*OpenUI *PageRegion/Region: PickOne\n*OpenUI *Collate: Boolean\n*Collate True: \"c\"\n");
  ASSERT_TRUE(image);
  const PpdKeyword* duplex = image->FindKeyword("Duplex");
  ASSERT_NE(duplex, nullptr);
  EXPECT_EQ(duplex->translation, nullptr) << "OpenUI for Duplex stores nothing";
  EXPECT_EQ(duplex->builtinIndex, kPpdDuplex);
  EXPECT_EQ(OptionNames(*image, "Duplex"), (Names{"None"}));
  EXPECT_STREQ(image->FindKeyword("PageSize")->translation, "Region") << "PageRegion declares PageSize";
  EXPECT_EQ(image->FindKeyword("Collate")->uiType, kPpdUiBoolean);
  EXPECT_EQ(image->FindKeyword("PageRegion"), nullptr);
}

TEST(PpdUi, MalformedTranslationStillOpensTheBlock) {
  auto image = Compile("*OpenUI *Finish/<zz>: PickOne\n*Finish Matte: \"m\"\n*CloseUI: *Finish\n");
  ASSERT_TRUE(image);
  EXPECT_EQ(image->FindKeyword("Finish")->translation, nullptr);
  EXPECT_EQ(OptionNames(*image, "Finish"), (Names{"Matte"}));
}

TEST(PpdGroups, InstallableKeywordsGoLastInFileOrderWithGroupPositions) {
  auto image = Compile(
      "*OpenGroup: InstallableOptions/Installed\n*OpenGroup: InstallableOptions\n"
      "*OpenUI *Option1/Tray 3: Boolean\n*Option1 True: \"\"\n*CloseUI: *Option1\n"
      "*CloseGroup: InstallableOptions\n*CloseGroup: InstallableOptions\n*OpenGroup: Other\n"
      "*OpenUI *Media/Media: PickOne\n*CloseUI: *Media\n*PageSize A4: \"x\"\n"
      "*OpenGroup: InstallableOptions\n*OpenUI *Option2: Boolean\n*CloseUI: *Option2\n");
  ASSERT_TRUE(image);
  std::vector<std::string> order;
  for (const PpdKeyword* k = image->keywords; k != nullptr; k = k->next)
    order.push_back(std::string(k->name) + ":" + std::to_string(k->groupIndex));
  EXPECT_EQ(order, (Names{"Media:0", "PageSize:1", "Option1:0", "Option2:1"}));
  EXPECT_EQ(image->plainKeywordCount, 2u);
  EXPECT_EQ(image->installableKeywordCount, 2u);
  const PpdKeyword* first = nullptr;
  EXPECT_EQ(image->FirstInstallableKeyword(&first), 1);
  EXPECT_STREQ(first->name, "Option1");
}

TEST(PpdLists, OrderDependenciesAndConstraintsBecomeIndexTables) {
  auto image = Compile(
      "*OpenUI *Option1: Boolean\n*Option1 True: \"\"\n*Option1 False: \"\"\n*CloseUI: *Option1\n"
      "*PageSize A4: \"\"\n*PageSize Env: \"\"\n*InputSlot Envelope: \"\"\n*Duplex None: \"\"\n"
      "*OrderDependency: 10 AnySetup *PageSize\n*OrderDependency: 20.5 Bogus *Option1 True\n"
      "*OrderDependency: 5 PageSetup *Missing\n*OrderDependency: 5 Prolog *PageSize Nope\n"
      "*OrderDependency: 5 Prolog\n"
      "*UIConstraints: *Duplex *InputSlot Envelope\n*UIConstraints: *Option1 False *PageSize Env\n"
      "*UIConstraints: *Missing *PageSize A4\n*UIConstraints: *PageSize\n");
  ASSERT_TRUE(image);
  const PpdOrderDependencyTable* order = image->orderDependencies;
  ASSERT_NE(order, nullptr);
  ASSERT_EQ(order->count, 4u);
  EXPECT_EQ(order->entrySize, 12u);
  const PpdOrderDependencyEntry* e = order->entries();
  EXPECT_EQ(e[0].keywordIndex, 1u);
  EXPECT_EQ(e[0].optionIndex, kPpdNoOptionIndex);
  EXPECT_EQ(e[0].order, 2560u);
  EXPECT_EQ(e[0].section, 32u);
  EXPECT_EQ(e[1].keywordIndex, 0u);
  EXPECT_EQ(e[1].optionIndex, 0u);
  EXPECT_EQ(e[1].section, 32u) << "unknown section counts as AnySetup";
  EXPECT_EQ(e[2].keywordIndex, kPpdNotFoundIndex);
  EXPECT_EQ(e[3].keywordIndex, kPpdNotFoundIndex) << "a missing option hides the keyword too";

  const PpdConstraintTable* constraints = image->constraints;
  ASSERT_EQ(constraints->count, 3u);
  EXPECT_EQ(constraints->entrySize, 8u);
  const PpdConstraintEntry* c = constraints->entries();
  EXPECT_EQ(c[0].keyword1, 3u);
  EXPECT_EQ(c[0].option1, kPpdNoOptionIndex);
  EXPECT_EQ(c[0].keyword2, 2u);
  EXPECT_EQ(c[0].option2, 0u);
  EXPECT_EQ(c[1].keyword1, 0u);
  EXPECT_EQ(c[1].option1, 1u);
  EXPECT_EQ(c[1].option2, 1u);
  EXPECT_EQ(c[2].keyword1, kPpdNotFoundIndex);
}

TEST(PpdDispatch, RowFormsQueriesAndRepeats) {
  auto image = Compile(
      "*?PageSize: \"query\"\n*PageSize: \"no option\"\n*NickName X: \"has option\"\n"
      "*PageSize A4: unquoted\n*ColorDevice: \"True\"\n*ColorDevice: ^Sym\n*Include: \"other.ppd\"\n"
      "*UnknownKeyword Foo: \"bar\"\n*End\n");
  ASSERT_TRUE(image);
  EXPECT_EQ(image->FindKeyword("PageSize"), nullptr);
  EXPECT_EQ(image->nickName, nullptr);
  EXPECT_EQ(image->colorDevice, 0u) << "ColorDevice takes a plain string only";
  EXPECT_EQ(image->keywords, nullptr);
}

TEST(PpdCompile, FailsForOverlongNamesButNotForSyntaxErrors) {
  EXPECT_FALSE(Compile("*" + std::string(41, 'K') + ": x\n"));
  EXPECT_TRUE(Compile("*" + std::string(40, 'K') + ": x\n"));
  EXPECT_FALSE(Compile("*PageSize A4/" + std::string(129, 't') + ": \"x\"\n"));
  EXPECT_TRUE(Compile("*Bad Bad Bad\n*: x\n*PageSize A4: \"\"\n"));
  EXPECT_FALSE(Compile(""));
}

}  // namespace
}  // namespace psui
