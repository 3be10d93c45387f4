// Operators, equals and percent: what the engine computes.
#include "keypad_fixture.h"

#include <cmath>

TEST_F(Keypad, EvaluatesLeftToRight) {
    keys("2+3*4=");
    EXPECT_EQ(shown(), "20");
    keys("10-4/3=");
    EXPECT_EQ(shown(), "2");
}

TEST_F(Keypad, EqualsNeverRepeatsTheLastOperation) {
    keys("5+=");
    EXPECT_EQ(shown(), "5");
    KeyEffects effects = keys("=");
    EXPECT_FALSE(effects.redraw);
    EXPECT_EQ(shown(), "5");
    keys("3=");
    EXPECT_EQ(shown(), "3"); // a new calculation, not 5 + 3
}

TEST_F(Keypad, SecondOperatorReplacesTheFirstWithoutRedraw) {
    keys("7+");
    EXPECT_FALSE(keys("-").redraw);
    keys("2=");
    EXPECT_EQ(shown(), "5");
}

TEST_F(Keypad, DivisionByZeroGivesZeroWithoutBeep) {
    EXPECT_FALSE(keys("8/0").beep);
    KeyEffects effects = keys("=");
    EXPECT_FALSE(effects.beep);
    EXPECT_EQ(state.Accum, 0.0);
    EXPECT_EQ(shown(), "0");
    keys("8/0s=");
    EXPECT_EQ(state.Accum, 0.0);
    EXPECT_FALSE(std::signbit(state.Accum));
}

TEST_F(Keypad, PercentResultAndEachKeyThatCompletesOrDiscardsIt) {
    keys("200*15%");
    EXPECT_EQ(shown(), "30");
    struct Case {
        const char* keys;
        double accum;
    } cases[] = {{"+", 230.0}, {"-", 170.0}, {"*", 0.0}, {"/", 0.0}, {"=", 30.0},
                 {"s", 0.0},   {"5", 0.0},   {".", 0.0}, {"R", 0.0}};
    for (const Case& c : cases) {
        start(0.0, 9.0);
        keys("200*15%");
        keys(c.keys);
        EXPECT_EQ(state.Accum, c.accum) << c.keys;
        EXPECT_EQ(state.PendingOp, kOpNone) << c.keys;
    }
    start(0.0, 9.0);
    keys("200*15%R=");
    EXPECT_EQ(shown(), "9");
}

TEST_F(Keypad, PercentMultipliesTheProductByOneHundredth) {
    keys("5*7%");
    EXPECT_EQ(state.Accum, 0.35000000000000003); // 35 * 0.01; 35 / 100 would be 0.35
    EXPECT_EQ(shown(), "0.35");
}

TEST_F(Keypad, PercentBeepsWithoutMultiplyOrTypedNumber) {
    EXPECT_TRUE(keys("50%").beep);
    EXPECT_EQ(entry(), "50");
    start(0.0, 0.0);
    EXPECT_TRUE(keys("200*%").beep);
    expectStateIs(0, kOpMul);
}
