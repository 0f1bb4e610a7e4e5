#include "framework/data/TRecordBuffer.h"

#include <gtest/gtest.h>

namespace {

void Append(TRecordBuffer& records, const QByteArray& value) {
    records.Append(value.constData(), static_cast<int>(value.size()));
}

QByteArray Value(int row, qsizetype bytes) {
    return QByteArray::number(row).leftJustified(bytes, 'x');
}

} // namespace

TEST(TRecordBufferTest, KeepsNullApartFromEmptyTextAndReadsRowMajor) {
    TRecordBuffer records;
    records.Reset({{QStringLiteral("a"), 1}, {QStringLiteral("b"), 1}});
    Append(records, QByteArray("短信"));
    records.Append(nullptr, 0);
    Append(records, QByteArray());
    Append(records, QByteArray("内容"));
    ASSERT_EQ(records.RowCount(), 2);
    EXPECT_EQ(records.Text(0, 0), QStringLiteral("短信"));
    EXPECT_TRUE(records.IsNull(0, 1));
    EXPECT_TRUE(records.Text(0, 1).isEmpty());
    EXPECT_FALSE(records.IsNull(1, 0));
    EXPECT_TRUE(records.Text(1, 0).isEmpty());
    EXPECT_EQ(records.Text(1, 1), QStringLiteral("内容"));
}

TEST(TRecordBufferTest, ReusedBlocksHoldTheNewResultAcrossResetsAndOversizedValues) {
    TRecordBuffer records;
    // Rounds: many values over several blocks, then one value larger than any block among
    // smaller ones, then fewer and longer values than the first round.
    const std::vector<std::vector<qsizetype>> rounds = {
        std::vector<qsizetype>(3000, 200), {10, 600 * 1024, 10, 300 * 1024}, {5000, 70000, 1}};
    for (const std::vector<qsizetype>& sizes : rounds) {
        records.Reset({{QStringLiteral("x"), 1}});
        for (std::size_t row = 0; row < sizes.size(); ++row)
            Append(records, Value(static_cast<int>(row), sizes[row]));
        ASSERT_EQ(records.RowCount(), static_cast<int>(sizes.size()));
        for (std::size_t row = 0; row < sizes.size(); ++row)
            ASSERT_EQ(records.Text(static_cast<int>(row), 0).toLatin1(),
                      Value(static_cast<int>(row), sizes[row]))
                << row;
    }
    records.Reset({});
    EXPECT_EQ(records.RowCount(), 0);
}
