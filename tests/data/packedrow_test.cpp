#include "data/packedrow.h"

#include <gtest/gtest.h>

TEST(PackedRow, KeepsEveryKindOfValueAndTheirBoundaries)
{
    data::PackedRow::Builder builder;
    const QByteArray name = QString("Ma'ruf Çakır").toUtf8();
    builder.appendUtf8(name.constData(), name.size());
    builder.appendNull();
    builder.appendInteger(42);
    builder.appendUtf8("", 0);
    builder.appendUtf8("UGM", 3);
    builder.appendReal(0.1);
    data::PackedRow row = builder.take();
    ASSERT_EQ(row.size(), 6);
    EXPECT_EQ(row.value(0).toString(), "Ma'ruf Çakır");
    EXPECT_TRUE(row.isNull(1));
    EXPECT_FALSE(row.value(1).isValid());
    EXPECT_EQ(row.value(2).typeId(), QMetaType::LongLong);
    EXPECT_EQ(row.value(2).toLongLong(), 42);
    EXPECT_FALSE(row.isNull(3));
    EXPECT_EQ(row.text(3), QString());
    EXPECT_EQ(row.text(4), QStringLiteral("UGM"));
    EXPECT_EQ(row.value(5).toDouble(), 0.1);

    const data::PackedRow copy = row; // the original before a change, as a record set keeps it
    row.set(0, QStringLiteral("Budi"));
    row.set(1, QStringLiteral("x"));
    EXPECT_EQ(row.values(),
              QVector<QVariant>({QStringLiteral("Budi"), QStringLiteral("x"), qlonglong(42),
                                 QStringLiteral(""), QStringLiteral("UGM"), 0.1}));
    EXPECT_EQ(copy.text(0), "Ma'ruf Çakır");
    EXPECT_EQ(builder.take().size(), 0) << "the builder starts each row empty";
}

// Text is held in one byte a character where it can be, in UTF-8 where it cannot; either way
// it reads back whole and compares ignoring case as typed text does.
TEST(PackedRow, TextOfAnyScriptReadsBackAndMatchesIgnoringCase)
{
    const QStringList texts{"Sleman", "José Müller", "Łódź Ŝ", "日本 😀"};
    data::PackedRow row(QVector<QVariant>(texts.begin(), texts.end()));
    for (int i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(row.text(i), texts[i]);
        EXPECT_TRUE(row.textEquals(i, texts[i].toUpper(), Qt::CaseInsensitive)) << i;
        EXPECT_EQ(row.textEquals(i, texts[i].toUpper(), Qt::CaseSensitive), i == 3) << i;
        EXPECT_FALSE(row.textEquals(i, texts[i] + "x", Qt::CaseInsensitive)) << i;
    }
    EXPECT_EQ(row.blockSize(), qsizetype(4 * 5 + 6 + 11 + 10 + 11))
        << "Latin-1 text takes a byte a character";
}
