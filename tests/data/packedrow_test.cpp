#include "data/packedrow.h"

#include <gtest/gtest.h>

TEST(PackedRow, KeepsEveryKindOfValueAndTheirBoundaries)
{
    data::PackedRow row;
    const QByteArray name = QString("Ma'ruf Çakır").toUtf8();
    row.appendUtf8(name.constData(), int(name.size()));
    row.appendNull();
    row.appendInteger(42);
    row.appendUtf8("", 0);
    row.appendUtf8("UGM", 3);
    ASSERT_EQ(row.size(), 5);
    EXPECT_EQ(row.value(0).toString(), "Ma'ruf Çakır");
    EXPECT_TRUE(row.isNull(1));
    EXPECT_FALSE(row.value(1).isValid());
    EXPECT_EQ(row.value(2).typeId(), QMetaType::LongLong);
    EXPECT_EQ(row.value(2).toLongLong(), 42);
    EXPECT_FALSE(row.isNull(3));
    EXPECT_EQ(row.text(3), QString());
    EXPECT_EQ(row.text(4), QStringLiteral("UGM"));

    row.set(0, QStringLiteral("Budi"));
    row.set(1, QStringLiteral("x"));
    EXPECT_EQ(row.values(), QVector<QVariant>({QStringLiteral("Budi"), QStringLiteral("x"),
                                               qlonglong(42), QStringLiteral(""),
                                               QStringLiteral("UGM")}));
}
