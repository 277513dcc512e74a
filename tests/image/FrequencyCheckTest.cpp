#include <gtest/gtest.h>

#include "image/FrequencyCheck.h"

namespace {

FrequencyVerdict Verdict(std::string_view text, unsigned low = 136, unsigned high = 174) {
    return CheckFrequency(text, low, high).verdict;
}

} // namespace

TEST(FrequencyCheck, EmptyTextIsNotAnError) {
    const FrequencyCheckResult r = CheckFrequency("", 136, 174);
    EXPECT_EQ(r.verdict, FrequencyVerdict::Empty);
    EXPECT_EQ(r.text, "");
}

TEST(FrequencyCheck, AcceptedTextIsNormalisedToFiveDecimals) {
    FrequencyCheckResult r = CheckFrequency("145.5", 136, 174);
    EXPECT_EQ(r.verdict, FrequencyVerdict::Accepted);
    EXPECT_EQ(r.text, "145.50000");
    EXPECT_EQ(r.units, 14550000u);
    r = CheckFrequency("145.5xyz", 136, 174);
    EXPECT_EQ(r.text, "145.50000");
    r = CheckFrequency("1.455e2", 136, 174);
    EXPECT_EQ(r.text, "145.50000");
    r = CheckFrequency("  145.5125", 136, 174);
    EXPECT_EQ(r.verdict, FrequencyVerdict::Accepted);
    EXPECT_EQ(r.text, "145.51250");
}

TEST(FrequencyCheck, DecimalsPastTheFifthAreCutNotRounded) {
    // 145.0062599 is checked as 14500625 units, a 6.25 kHz multiple; the text
    // must name that frequency, not the rounded 145.00626 that is off the step.
    const FrequencyCheckResult r = CheckFrequency("145.0062599", 136, 174);
    EXPECT_EQ(r.verdict, FrequencyVerdict::Accepted);
    EXPECT_EQ(r.text, "145.00625");
    EXPECT_EQ(r.units, 14500625u);
}

TEST(FrequencyCheck, FixedLimitsAre67And521MHzInclusive) {
    EXPECT_EQ(Verdict("66.99999", 0, 999), FrequencyVerdict::Format);
    EXPECT_EQ(Verdict("67", 0, 999), FrequencyVerdict::Accepted);
    EXPECT_EQ(Verdict("521", 0, 999), FrequencyVerdict::Accepted);
    EXPECT_EQ(Verdict("521.00001", 0, 999), FrequencyVerdict::Format);
}

TEST(FrequencyCheck, TextsThatAreNotPositiveNumbersFailTheFormatCheck) {
    for (const char* text : {"abc", "-145", " ", "1e300", "-1e300", "nan", "inf", "4294967.296"}) {
        EXPECT_EQ(Verdict(text), FrequencyVerdict::Format) << text;
    }
}

TEST(FrequencyCheck, BandEdgesAreInclusiveWholeMHz) {
    EXPECT_EQ(Verdict("136"), FrequencyVerdict::Accepted);
    EXPECT_EQ(Verdict("174"), FrequencyVerdict::Accepted);
    EXPECT_EQ(Verdict("135.99750"), FrequencyVerdict::Range);
    EXPECT_EQ(Verdict("174.0025"), FrequencyVerdict::Range);
    EXPECT_EQ(Verdict("400", 400, 480), FrequencyVerdict::Accepted);
}

TEST(FrequencyCheck, UpperEdgeZeroRejectsEveryFrequencyAsOutOfRange) {
    for (const char* text : {"67", "145.5", "521"}) {
        EXPECT_EQ(Verdict(text, 0, 0), FrequencyVerdict::Range) << text;
    }
}

TEST(FrequencyCheck, FormatIsCheckedBeforeRangeAndRangeBeforeStep) {
    EXPECT_EQ(Verdict("600.001", 0, 0), FrequencyVerdict::Format);
    EXPECT_EQ(Verdict("200.001"), FrequencyVerdict::Range);
}

TEST(FrequencyCheck, StepMustDivide625Or500Or250Units) {
    EXPECT_EQ(Verdict("145.00625"), FrequencyVerdict::Accepted); // 6.25 kHz
    EXPECT_EQ(Verdict("145.005"), FrequencyVerdict::Accepted);   // 5 kHz
    EXPECT_EQ(Verdict("145.0025"), FrequencyVerdict::Accepted);  // 2.5 kHz
    EXPECT_EQ(Verdict("145.5125"), FrequencyVerdict::Accepted);
    EXPECT_EQ(Verdict("145.001"), FrequencyVerdict::Step);
    EXPECT_EQ(Verdict("145.00124"), FrequencyVerdict::Step);
    EXPECT_EQ(Verdict("145.12345"), FrequencyVerdict::Step);
}

TEST(FrequencyCheck, FailuresCarryNoText) {
    const FrequencyCheckResult r = CheckFrequency("145.001", 136, 174);
    EXPECT_EQ(r.text, "");
    EXPECT_EQ(r.units, 0u);
}

TEST(FrequencyMessages, TextsAreTheProgramsOwnWordForWord) {
    // Written out here: a test against the constants the code shows could
    // not notice a changed text.
    EXPECT_STREQ(FrequencyMessages::Format.english, "Error Data Format，Please input again");
    EXPECT_STREQ(FrequencyMessages::Format.chinese, "输入数据错误，请按正确的格式及大小重新输入");
    EXPECT_STREQ(FrequencyMessages::Range.english, "Out Of Range");
    EXPECT_STREQ(FrequencyMessages::Range.chinese, "超出范围");
    const char* step = "Error data Value，Please input according the step value(6.25K/5k/2.5k)";
    EXPECT_STREQ(FrequencyMessages::StepOnLeave.english, step);
    EXPECT_STREQ(FrequencyMessages::StepOnEnter.english, step);
    // The two Chinese step texts differ in the last letter K only.
    EXPECT_STREQ(FrequencyMessages::StepOnLeave.chinese,
                 "输入数据错误，请按6.25K/5k/2.5k的倍数重新输入");
    EXPECT_STREQ(FrequencyMessages::StepOnEnter.chinese,
                 "输入数据错误，请按6.25K/5k/2.5K的倍数重新输入");
}
