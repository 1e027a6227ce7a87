#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>

#include "services/name_field.h"
#include "services/record_count.h"
#include "services/strip_at_nul.h"

TEST(StripAtNul, CutsAtTheFirstNulOnly) {
    EXPECT_EQ(StripAtNul(std::wstring(L"MySQL\0rest\0", 11)), L"MySQL");
    EXPECT_EQ(StripAtNul(std::wstring(L"\0abc", 4)), L"");
    EXPECT_EQ(StripAtNul(L"no nul here"), L"no nul here");
    EXPECT_EQ(StripAtNul(L""), L"");
}

TEST(RecordCount, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(RecordCount(54, 36), 2);  // 2.5
    EXPECT_EQ(BufferBytes(2, 36), 72);
    EXPECT_EQ(RecordCount(90, 36), 4);  // 3.5
    EXPECT_EQ(BufferBytes(4, 36), 144);
    EXPECT_EQ(RecordCount(1000, 36), 29);  // 28.78
    EXPECT_EQ(BufferBytes(29, 36), 1044);
    EXPECT_EQ(RecordCount(0, 36), 1);
}

TEST(RecordCount, BufferAlwaysExceedsTheBytesNeeded) {
    for (int32_t recordSize : {36, 48}) {
        for (int32_t needed = 0; needed < 5000; ++needed) {
            const int32_t bytes = BufferBytes(RecordCount(needed, recordSize), recordSize);
            ASSERT_GE(bytes, needed + recordSize / 2) << needed << " with " << recordSize;
        }
    }
}

TEST(RecordCount, OverflowIsAFailure) {
    EXPECT_THROW(RecordCount(INT32_MAX, 1), std::overflow_error);
    EXPECT_THROW(BufferBytes(RecordCount(INT32_MAX, 48), 48), std::overflow_error);
    EXPECT_THROW(RecordCount(-1000, 36), std::overflow_error);
}

class NameField : public ::testing::Test {
  protected:
    // One byte past the field, to see that nothing is written beyond it.
    struct Guarded {
        char field[kNameFieldLength];
        char guard;
    } buffer{};
    void SetUp() override { std::memset(&buffer, '#', sizeof buffer); }
};

TEST_F(NameField, ShortNameIsCopiedWholeWithItsNul) {
    EXPECT_EQ(CopyIntoNameField(buffer.field, "MySQL"), 5u);
    EXPECT_STREQ(buffer.field, "MySQL");
}

TEST_F(NameField, NameOfExactlyTheFieldLengthFillsItWithoutNul) {
    const std::string name(kNameFieldLength, 'a');
    EXPECT_EQ(CopyIntoNameField(buffer.field, name.c_str()), kNameFieldLength);
    EXPECT_EQ(std::string(buffer.field, kNameFieldLength), name);
    EXPECT_EQ(buffer.guard, '#');
}

TEST_F(NameField, LongerNameIsCutAndNothingIsWrittenPastTheField) {
    const std::string name = std::string(kNameFieldLength, 'b') + "MariaDB";
    EXPECT_EQ(CopyIntoNameField(buffer.field, name.c_str()), kNameFieldLength);
    EXPECT_EQ(std::string(buffer.field, kNameFieldLength), name.substr(0, kNameFieldLength));
    EXPECT_EQ(buffer.guard, '#');
}
