#include "settings/settings_loader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include <sys/stat.h>

#include "model/app_context.h"
#include "platform/console_desktop.h"
#include "settings/default_records.h"
#include "settings/setting_keys.h"
#include "support/recording_desktop.h"
#include "support/temp_dir.h"

namespace kvx {
namespace {

// The built-in column of the settings table, by key.
const std::map<std::string, double> builtIn = {
    {"xWinPos", 60}, {"yWinPos", 60}, {"xWinSize", 640}, {"yWinSize", 520},
    {"dxWinPos", 20}, {"dyWinPos", 20}, {"printFactor", 1.0}, {"showGrid", 101}, {"xLog", 100}, {"yLog", 100}, {"antiAlias", 100},
    {"showCoorSystem", 101}, {"showLegend", 100}, {"aspectRatio", 201}, {"colorScheme", 1202},
    {"colorPalette", 1102}, {"numColors", 7}, {"zoomMode", 301}, {"zoomFactor", 1.5},
    {"autoRangeExcess", 0.05}, {"numTicks", 6}, {"numSubTicks", 2}, {"maxDigits", 6},
    {"indentUp", 40}, {"indentDown", 75}, {"indentLeft", 85}, {"indentRight", 35},
    {"xLableDistance", 50}, {"yLableDistance", 60}, {"axesTitleDistance", 10},
    {"valueDistance", 7}, {"legendBorderDistance", 12}, {"legendInnerDistance", 6},
    {"legendLineSampleLength", 30}, {"fontSize", 17}, {"ticksSize", 7}, {"subTicksSize", 4},
    {"readMode", 601}, {"type", 801}, {"lineWidth", 1}, {"pointsSize", 3}, {"markerSize", 7},
    {"showLines", 101}, {"showPoints", 100}, {"showMarker", 100}, {"linesDrawRate", 1},
    {"pointsDrawRate", 1}, {"markerDrawRate", 1},
};

double fieldValue(const SettingKey& key)
{
    DefaultRecords& records = defaultRecords();
    return key.type == SettingType::Real ? *key.realField(records)
                                         : static_cast<double>(*key.shortField(records));
}

class SettingsLoaderTest : public testing::Test {
protected:
    SettingsLoaderTest()
    {
        desktop_.workingDir = work_.path();
        desktop_.userValues[{"Kurvex/1.x/Settings", "homeDir"}] = home_.path();
    }
    void writeHome(std::string_view text) { test::writeFile(home_.file("Kurvex.ini"), text); }
    void writeWork(std::string_view text) { test::writeFile(work_.file("Kurvex.ini"), text); }

    test::TempDir home_;
    test::TempDir work_;
    test::RecordingDesktop desktop_;
    AppContext context_{desktop_};
};

TEST_F(SettingsLoaderTest, WithoutFilesEveryDefaultIsBuiltIn)
{
    windowPlacement().xWinPos = 1;
    graphDefaults().type = 804;
    plotDefaults().busy = 1;
    setBuiltInDefaults();

    ASSERT_EQ(settingKeys().size(), builtIn.size());
    for (const SettingKey& key : settingKeys()) {
        ASSERT_TRUE(builtIn.count(std::string(key.key))) << key.key;
        EXPECT_EQ(fieldValue(key), builtIn.at(std::string(key.key))) << key.key;
    }
    // And the values that no settings key reaches.
    const PlotSettings& plot = plotDefaults();
    EXPECT_EQ(plot.gridLineType, 7002);
    EXPECT_EQ(plot.fileCommandMask, 1);
    EXPECT_EQ(plot.numGraphs, 0);
    EXPECT_EQ(plot.plainIndents, (Indents{0, 20, 0, 1}));
    EXPECT_EQ(plot.activeIndents, (Indents{40, 75, 85, 35}));
    EXPECT_EQ(plot.busy, 0);
    EXPECT_EQ(plot.newAllowed, 1);
    EXPECT_EQ(plot.userInterface, 101);
    EXPECT_EQ(graphDefaults().lineType, 7000);
    EXPECT_TRUE(desktop_.boxes.empty());
}

TEST_F(SettingsLoaderTest, EveryKeyReachesItsField)
{
    // One file that sets every key to a value of its own kind, within the
    // key's bounds.
    std::map<std::string, std::string> sections;
    std::map<std::string, double> expected;
    int n = 1;
    for (const SettingKey& key : settingKeys()) {
        const SettingBounds& b = key.bounds;
        auto inside = [&b](double v) { return b.contains(v) ? v : b.min + std::fmod(v, b.max - b.min); };
        std::string value;
        double number = 0;
        switch (key.type) {
        case SettingType::Int16: number = inside(1000 + n); value = std::to_string(static_cast<int>(number)); break;
        case SettingType::Real: number = inside(n + 0.25); value = std::to_string(number); break;
        case SettingType::Keyword: value = "FANCY"; number = 1205; break;
        }
        expected[std::string(key.key)] = number;
        sections[std::string(key.section)] += std::string(key.key) + "= " + value + "\n";
        ++n;
    }
    std::string text;
    for (const auto& [section, lines] : sections) {
        text += "[" + section + "]\n" + lines + "\n";
    }
    writeWork(text);
    setBuiltInDefaults();
    for (const SettingKey& key : settingKeys()) {
        EXPECT_EQ(fieldValue(key), expected.at(std::string(key.key))) << key.key;
    }
    const Indents& indents = plotDefaults().indents;
    EXPECT_EQ(plotDefaults().activeIndents, indents);
    EXPECT_NE(indents, (Indents{40, 75, 85, 35}));
}

TEST_F(SettingsLoaderTest, TheWorkingDirectoryWins)
{
    writeHome("[Graphs]\ntype= BARS\nlineWidth= 3\n[AxesSystems]\nnumColors= 12\n");
    setBuiltInDefaults();
    EXPECT_EQ(graphDefaults().type, 803);
    EXPECT_EQ(graphDefaults().lineWidth, 3);
    EXPECT_EQ(plotDefaults().numColors, 12);

    writeWork("[Graphs]\ntype= STEMS\n");
    setBuiltInDefaults();
    EXPECT_EQ(graphDefaults().type, 804);
    EXPECT_EQ(graphDefaults().lineWidth, 3);  // only in the home file
    EXPECT_EQ(plotDefaults().numColors, 12);
}

TEST_F(SettingsLoaderTest, OneKeyChangesOneDefault)
{
    writeWork("[Graphs]\ntype= BARS\n");
    setBuiltInDefaults();
    DefaultRecords expected;
    expected.graphDefaults.type = 803;
    EXPECT_EQ(defaultRecords(), expected);
}

TEST_F(SettingsLoaderTest, MalformedValues)
{
    writeWork(
        "[AxesSystems]\n"
        "numTicks= many\n"        // no number: 0, below the bounds: built in
        "indentUp= many\n"        // no number: 0, which an indent may be
        "zoomFactor= 2,5\n"       // up to the comma
        "showGrid= show\n"        // no keyword: kept
        "colorScheme=\n"          // empty keyword: kept
        "showLegend= ZOOM_X\n"    // a keyword of another group converts
        "maxDigits= 70000\n"      // low 16 bits, 4464, beyond the bounds
        "fontSize= NoConfig\n"    // the absent marker
        "[Plots]\n"
        "xWinPos= 12abc\n"
        "[Graphs]\n"
        "linesDrawRate= 70001\n");  // low 16 bits
    setBuiltInDefaults();
    EXPECT_EQ(plotDefaults().numTicks, 6);
    EXPECT_EQ(plotDefaults().indents.up, 0);
    EXPECT_EQ(plotDefaults().zoomFactor, 2.0);
    EXPECT_EQ(plotDefaults().showGrid, 101);
    EXPECT_EQ(plotDefaults().colorScheme, 1202);
    EXPECT_EQ(plotDefaults().showLegend, 302);
    EXPECT_EQ(graphDefaults().linesDrawRate, 4465);
    EXPECT_EQ(plotDefaults().maxDigits, 6);
    EXPECT_EQ(plotDefaults().fontSize, 17);
    EXPECT_EQ(windowPlacement().xWinPos, 12);
}

TEST_F(SettingsLoaderTest, ValuesBeyondTheirBoundsGiveTheBuiltInDefault)
{
    // The home file's values are in bounds; the working directory's are not,
    // and they give the built-in values, not the home file's.
    writeHome("[Plots]\nxWinSize= 800\n[Graphs]\nlineWidth= 3\n");
    writeWork(
        "[Plots]\nxWinSize= 32767\nyWinSize= 0\n"
        "[AxesSystems]\nnumTicks= 32767\nnumSubTicks= -2\nfontSize= 5000\nmaxDigits= 400\n"
        "legendInnerDistance= 20000\nzoomFactor= 0\nautoRangeExcess= 1e300\nprintFactor= -1\n"
        "indentLeft= -5\n"
        "[Graphs]\nlineWidth= 32767\npointsSize= 32767\nmarkerSize= -7\npointsDrawRate= 0\n");
    setBuiltInDefaults();
    const DefaultRecords builtIn;
    EXPECT_EQ(defaultRecords(), builtIn);

    // The bounds themselves are taken.
    writeWork("[Plots]\nxWinSize= 16000\nyWinSize= 1\n[AxesSystems]\nnumTicks= 100\nautoRangeExcess= 0\n");
    setBuiltInDefaults();
    EXPECT_EQ(plotDefaults().xWinSize, 16000);
    EXPECT_EQ(plotDefaults().yWinSize, 1);
    EXPECT_EQ(plotDefaults().numTicks, 100);
    EXPECT_EQ(plotDefaults().autoRangeExcess, 0.0);
}

TEST_F(SettingsLoaderTest, SectionsAndKeysMatchWithoutCaseButInTheirOwnSection)
{
    writeWork("[axessystems]\nNUMTICKS= 9\ndxWinPos= 5\n[Plots]\ndyWinPos= 7\n");
    setBuiltInDefaults();
    EXPECT_EQ(plotDefaults().numTicks, 9);
    EXPECT_EQ(windowPlacement().dxWinPos, 5);
    EXPECT_EQ(windowPlacement().dyWinPos, 20);  // it belongs to [AxesSystems]
}

TEST_F(SettingsLoaderTest, ReloadKeepsWhatTheFilesDoNotMention)
{
    setBuiltInDefaults();
    windowPlacement().xWinPos = 300;  // the cascade moved on
    writeWork("[Graphs]\nmarkerSize= 11\n");
    loadSettings();
    EXPECT_EQ(windowPlacement().xWinPos, 300);
    EXPECT_EQ(graphDefaults().markerSize, 11);
    writeWork("[Plots]\nxWinPos= 100\n");
    loadSettings();
    EXPECT_EQ(windowPlacement().xWinPos, 100);
}

TEST_F(SettingsLoaderTest, MissingHomeFolderIsPassedOverSilently)
{
    desktop_.userValues.clear();
    writeWork("[Graphs]\nlineWidth= 4\n");
    setBuiltInDefaults();
    EXPECT_EQ(graphDefaults().lineWidth, 4);

    desktop_.userValues[{"Kurvex/1.x/Settings", "homeDir"}] = home_.file("does-not-exist");
    setBuiltInDefaults();
    EXPECT_EQ(graphDefaults().lineWidth, 4);
    EXPECT_TRUE(desktop_.boxes.empty());
}

TEST_F(SettingsLoaderTest, ASettingsFileThatIsNoRegularFileIsPassedOver)
{
    // A folder made the reader throw; a FIFO held the start-up until
    // someone wrote to it.
    std::filesystem::create_directory(home_.file("Kurvex.ini"));
    ASSERT_EQ(mkfifo(work_.file("Kurvex.ini").c_str(), 0600), 0);
    EXPECT_NO_THROW(setBuiltInDefaults());
    EXPECT_EQ(graphDefaults().lineWidth, 1);
    EXPECT_TRUE(desktop_.boxes.empty());
}

TEST_F(SettingsLoaderTest, LoadingNeverWritesTheSettingsFile)
{
    const std::string text = "[Graphs]\r\nlineWidth= 2 \r\n; comment\r\n";
    writeWork(text);
    setBuiltInDefaults();
    EXPECT_EQ(test::readFile(work_.file("Kurvex.ini")), text);
    EXPECT_FALSE(test::fileExists(home_.file("Kurvex.ini")));
}

TEST(SettingsLoaderConsole, ReadsTheUserKeyFileAndTheProcessWorkingDirectory)
{
    test::TempDir config;
    test::TempDir home;
    test::TempDir work;
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string savedXdg = oldXdg ? oldXdg : "";
    const std::filesystem::path savedCwd = std::filesystem::current_path();
    setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    std::filesystem::current_path(work.path());

    test::writeFile(config.file("Kurvex/1.x/Settings"), "homeDir=" + home.path() + "\n");
    test::writeFile(home.file("Kurvex.ini"), "[AxesSystems]\ncolorScheme= PAPER\nnumTicks= 4\n");
    test::writeFile(work.file("Kurvex.ini"), "[AxesSystems]\nnumTicks= 5\n");
    ConsoleDesktop console;
    PlotSettings loaded;
    {
        AppContext context(console);
        setBuiltInDefaults();
        loaded = plotDefaults();
    }

    std::filesystem::current_path(savedCwd);
    if (oldXdg) setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
    else unsetenv("XDG_CONFIG_HOME");

    EXPECT_EQ(loaded.colorScheme, 1203);
    EXPECT_EQ(loaded.numTicks, 5);
}

}  // namespace
}  // namespace kvx
