#include "shell/InputRoutines.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <gtest/gtest.h>

using namespace quillory;

TEST(SelectComboEntry, SearchesFromTheSecondEntryAndTriesTheFirstLast)
{
    QComboBox combo;
    combo.addItems({"941", "Military", "943", "CT-1", "Household Employer", "Medicare Govt Employer"});
    const auto select = [&](const char *text) {
        combo.setCurrentIndex(3);
        SelectComboEntry(&combo, QString::fromUtf8(text));
        return combo.currentIndex();
    };
    EXPECT_EQ(select("941"), 0);
    EXPECT_EQ(select("94"), 2);
    EXPECT_EQ(select("ct"), 3);
    EXPECT_EQ(select("house"), 4);
    EXPECT_EQ(select("X"), 3); // unchanged
    EXPECT_EQ(select(""), 1);

    QComboBox empty;
    SelectComboEntry(&empty, QStringLiteral("941"));
    EXPECT_EQ(empty.currentIndex(), -1);
}

TEST(FilterNumericKey, KeepsDigitsAndNumberPunctuationOnly)
{
    for (int code : std::initializer_list<int>{'7', '0', '9', '-', '.', '/', ':', ';', 8, 0}) {
        int c = code;
        FilterNumericKey(c);
        EXPECT_EQ(c, code) << code;
    }
    for (int code : std::initializer_list<int>{'A', 'a', ' ', '+', ',', '$', '<', 127}) {
        int c = code;
        FilterNumericKey(c);
        EXPECT_EQ(c, 0) << code;
    }
}

TEST(CentreInParent, CentresAndLetsALargeChildStickOutAtTheTopLeft)
{
    QMdiArea area;
    area.resize(600, 400);
    area.show();
    auto *small = area.addSubWindow(new QWidget);
    small->resize(200, 100);
    CentreInParent(small->widget());
    const QSize client = area.viewport()->size();
    EXPECT_EQ(small->pos(), QPoint(client.width() / 2 - 100, client.height() / 2 - 50));

    auto *large = area.addSubWindow(new QWidget);
    large->resize(1000, 900);
    CentreInParent(large);
    EXPECT_LT(large->x(), 0);
    EXPECT_LT(large->y(), 0);
    EXPECT_EQ(large->size(), QSize(1000, 900));
}
