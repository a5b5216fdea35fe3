#include "common/failure_text.h"

#include <gtest/gtest.h>

namespace {

struct FailureTextCase {
    const char* name;
    const char* message;
    const char* shown;
};

class FailureTextTest : public ::testing::TestWithParam<FailureTextCase> {};

TEST_P(FailureTextTest, AppendsPointAfterCharactersAbovePoint) {
    EXPECT_EQ(common::FailureText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Messages, FailureTextTest,
                         ::testing::Values(FailureTextCase{"Empty", "", ""},
                                           FailureTextCase{"Cyrillic", "Ошибка записи",
                                                           "Ошибка записи."},
                                           FailureTextCase{"Latin", "disk full", "disk full."},
                                           FailureTextCase{"Digit", "code 5", "code 5."},
                                           FailureTextCase{"EndsInPoint", "Готово.", "Готово."},
                                           FailureTextCase{"EndsInExclamation", "Стоп!", "Стоп!"},
                                           FailureTextCase{"EndsInSpace", "текст ", "текст "},
                                           FailureTextCase{"EndsInComma", "a,", "a,"},
                                           FailureTextCase{"EndsInSlash", "/tmp/", "/tmp/."}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
