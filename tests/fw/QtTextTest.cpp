#include "fw/qt/QtText.h"
#include "fw/qt/SettingsProfile.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

TEST(QtText, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(char(b));
    bool replaced = true;
    EXPECT_EQ(fw::FromQString(fw::ToQString(all), &replaced), all);
    EXPECT_FALSE(replaced);
    EXPECT_EQ(fw::ToQString("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(fw::FromQString(QString::fromUtf8("a\u4e2d"), &replaced), "a?");
    EXPECT_TRUE(replaced);
}

TEST(QtText, FileFiltersBecomeNameFiltersThatStillMatchBlanks)
{
    const QStringList filters = fw::QtNameFilters("Beams (W,S)|W *.shp;S *.shp|All Shapes (*.shp)|*.shp||");
    ASSERT_EQ(filters, QStringList({"Beams (W,S) (W[!!-~]*.shp S[!!-~]*.shp)", "All Shapes (*.shp) (*.shp)"}));
    const QRegularExpression beams(QRegularExpression::wildcardToRegularExpression("W[!!-~]*.shp"));
    EXPECT_TRUE(beams.match("W 12X26.shp").hasMatch());
    EXPECT_FALSE(beams.match("WT4X5.shp").hasMatch());
    EXPECT_TRUE(fw::QtNameFilters("").isEmpty());
}

TEST(SettingsProfile, KeepsEightBitValuesAndFallsBackOnGarbage)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("varnex.ini");
    {
        fw::SettingsProfile p(ini);
        EXPECT_TRUE(p.WriteProfileString("Directories", "Job/Group Directory", "\\Kestrom\\Jobs \xE9\x80"));
        EXPECT_TRUE(p.WriteProfileInt("General", "x", -40));
        EXPECT_TRUE(p.WriteProfileString("General", "y", "12px"));
    }
    fw::SettingsProfile p(ini);
    EXPECT_EQ(p.GetProfileString("Directories", "Job/Group Directory"), "\\Kestrom\\Jobs \xE9\x80");
    EXPECT_EQ(p.GetProfileInt("General", "x", 0), -40);
    EXPECT_EQ(p.GetProfileInt("General", "y", 5), 5);
    EXPECT_EQ(p.GetProfileString("General", "missing", "d"), "d");
}
