#include "app/help.h"

namespace travik {

const char* ProgramHelpSource() {
  return "Použití: travik [--simulate MODEL[,MODEL...] [--calibrator]] [--device VÝBĚR]\n"
         "               [--trace] [--log SOUBOR] [--lang cs|en]\n\n"
         "Servisní program pro USB převodníky Kolvar.\n\n"
         "  --simulate MODEL  místo skutečných zařízení připojí simulovaný převodník;\n"
         "                    více modelů oddělených čárkami tvoří pracoviště\n"
         "  --calibrator      s --simulate: vedle převodníku i simulovaný kalibrátor,\n"
         "                    který měří analogové výstupy převodníku\n"
         "  --device VÝBĚR    na pracovišti s více převodníky pracuje s tímto: cesta\n"
         "                    k zařízení, sériové číslo z jeho ID textu (SN10222)\n"
         "                    nebo model, pokud jej žádný jiný převodník nemá\n"
         "  --trace           vypisuje každý HID rámec a každé hlášení na chybový výstup\n"
         "  --log SOUBOR      připisuje totéž, s časem každého řádku, do SOUBORu:\n"
         "                    servisní záznam k hlášení problému (kde je, ukazuje\n"
         "                    okno O programu)\n"
         "  --lang cs|en      jazyk oken (jinak ten zvolený v Nastavení > Jazyk /\n"
         "                    Language, a není-li zvolen, jazyk prostředí)\n"
         "  --version         verze programu\n"
         "  --help            tento text\n\n"
         "Simulované modely:";
}

const char* CliHelpSource() {
  return "\n"
         "run     spustí každý soubor scénáře v novém běhu programu s okny bez\n"
         "        obrazovky. Zařízení jsou simulovaná a čas virtuální, není-li --real.\n"
         "        --trace  vypisuje každý řádek, rámec a hlášení, jak přicházejí\n"
         "        --keep   ponechá adresář se soubory, které běh zapsal\n"
         "        --real   pracuje se zařízeními připojenými k tomuto počítači,\n"
         "                 ve skutečném čase; řádky zakládající simulovaná zařízení\n"
         "                 jsou odmítnuty\n"
         "        --collect-texts SOUBOR  připíše do SOUBORu každý text, který dialogy\n"
         "                 za běhu ukážou (kontext TAB text), pro travik-i18n update\n"
         "        Návratový kód 0, když platila všechna očekávání. Každé selhání je\n"
         "        vypsáno jako SOUBOR:ŘÁDEK: expected …, got …\n"
         "image   dekóduje soubor firmwaru tak, jak by to udělal bootloader, a vypíše\n"
         "        výsledek.\n"
         "bench-calibration\n"
         "        kalibruje výstupy simulovaných rozladěných převodníků oběma\n"
         "        způsoby hledání (šum ±2, ±20, ±50 jednotek; --quick: jen ±2)\n"
         "        a vypíše tabulku.\n"
         "\n"
         "list, info, read, write, values, flash a calibrate obsluhují převodníky\n"
         "připojené k tomuto počítači (nebo simulované s --simulate) pomocí dialogů\n"
         "samotného programu. --device VÝBĚR zvolí převodník podle cesty k zařízení,\n"
         "podle sériového čísla v jeho ID textu (SN10222) nebo podle modelu, je-li\n"
         "jediný; bez něj musí být připojen právě jeden převodník. Hlášení jdou\n"
         "na chybový výstup i s titulkem, data na standardní výstup. Návratový kód:\n"
         "0 hotovo, 1 selhalo zařízení nebo soubor, 2 chybné použití nebo volba\n"
         "zařízení, 3 zpětné čtení po zápisu se liší, 130 přerušeno. Viz\n"
         "travik-cli(1) a docs/cli.md.\n"
         "\n"
         "--lang cs|en  jazyk oken a hlášení (výchozí cs: scénáře jsou psány proti\n"
         "            českým textům); nápověda --help se bez něj řídí jazykem\n"
         "            prostředí.\n"
         "--log SOUBOR  připisuje vše vypsané, i záznam běhu bez --trace, s časem\n"
         "            každého řádku, do SOUBORu: servisní záznam k hlášení problému.\n"
         "\n"
         "Jazyk scénářů popisuje docs/automation.md.\n";
}

std::string ShownHelp(const char* source, i18n::Language language) {
  if (const i18n::Catalogue* c = i18n::BuiltInCatalogue(language))
    if (const std::string* shown = c->Translation(kHelpContext, source)) return *shown;
  return source;
}

i18n::Language HelpLanguage(std::string_view option, std::string_view setting) {
  return i18n::ChooseLanguage(option, setting, i18n::EnvironmentLocale());
}

}  // namespace travik
