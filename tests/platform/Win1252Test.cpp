#include "platform/Win1252.h"

#include <gtest/gtest.h>

TEST(Win1252, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = Win1252::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text[0xB1], QChar(0x00B1)); // ±
    EXPECT_EQ(text[0x80], QChar(0x20AC)); // €
    EXPECT_EQ(text[0x92], QChar(0x2019));
    for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(text[b], QChar(char16_t(b))) << b;
    EXPECT_EQ(Win1252::encode(text), all);
}

TEST(Win1252, CharactersOutsideTheCodePageBecomeOneQuestionMark)
{
    const QString text = QStringLiteral("a\u0394b") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("c\u20AC");
    EXPECT_EQ(Win1252::encode(text), QByteArray("a?b?c\x80"));
    EXPECT_EQ(Win1252::encode(QString()), QByteArray());
}
