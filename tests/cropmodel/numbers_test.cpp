// The three number conversions, as tables of cases.
#include "cropmodel/numbers.h"

#include "printing.h"

#include <gtest/gtest.h>

using namespace zarn::cropmodel;

TEST(LeadingNumber, Cases) {
    const struct {
        const char *text;
        double value;
    } cases[] = {
        {"", 0},
        {"   ", 0},
        {"abc", 0},
        {" 1234.", 1234},
        {" -001.", -1},
        {"12ab", 12},
        {"1 2 3", 123},
        {"- 1 2", -12},
        {".5", 0.5},
        {"+7", 7},
        {"-", 0},
        {".", 0},
        {"1.2.3", 1.2},
        {"1e3", 1000},
        {"1E-2x", 0.01},
        {"2e", 2},
        {"2e+", 2},
        {"3.5e 2", 350},
        {"--1", 0},
        {"0012.50", 12.5},
        {"1e999", 0},
        {"\t4\t2", 42},
        {"7-3", 7},
        {"\xe9"
         "5",
         0},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(LeadingNumber(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(FormatNumber, Cases) {
    const struct {
        double value;
        const char *pattern;
        const char *text;
    } cases[] = {
        {12, "0000.", "0012."},
        {12.6, "0000.", "0013."},
        {12.5, "0000.", "0013."},
        {0.5, "####.0", ".5"},
        {12.3, "###.0", "12.3"},
        {5, "###.0", "5.0"},
        {0, "###.0", ".0"},
        {5, "000", "005"},
        {1234, "000", "1234"},
        {0.75, "00.000", "00.750"},
        {2.675, "0.00", "2.68"},
        {99.996, "00.00", "100.00"},
        {-1, "0000.", "-0001."},
        {-0.001, "0.00", "0.00"},
        {15, "    00", "    15"},
        {150, "    00", "    150"},
        {3, "##", "3"},
        {0, "##", ""},
        {12, "##", "12"},
        {123, "##", "123"},
        {7.25, "#.##", "7.25"},
        {7.2, "#.##", "7.2"},
        {7, "#.##", "7."},
        {0.00123, ".0000E+00", ".1230E-02"},
        {1234.5, ".0000E+00", ".1235E+04"},
        {0, ".0000E+00", ".0000E+00"},
        {0.99999, ".0000E+00", ".1000E+01"},
        {-0.5, ".0000E+00", "-.5000E+00"},
        {5e-7, ".0000E-00", ".5000E-06"},
        {35, "0.00E+00", "3.50E+01"},
        {1e12, "0", "1000000000000"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatNumber(c.value, QString::fromLatin1(c.pattern)),
                  QString::fromLatin1(c.text))
            << c.value << " with " << c.pattern;
}

TEST(SignedText, Cases) {
    const struct {
        double value;
        const char *text;
    } cases[] = {
        {5, " 5"},    {-5, "-5"},       {0, " 0"},     {1.25, " 1.25"},  {-0.5, "-.5"},
        {0.5, " .5"}, {1e20, " 1E+20"}, {101, " 101"}, {-12.5, "-12.5"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SignedText(c.value), QString::fromLatin1(c.text)) << c.value;
}
