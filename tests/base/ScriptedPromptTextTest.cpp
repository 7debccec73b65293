#include "base/ScriptedPrompt.h"

#include <gtest/gtest.h>

namespace velkor {
namespace {

TEST(ScriptedPromptText, TextQuestionsAreAnsweredFromTheQueueAndCancelledAfter) {
    ScriptedPrompt prompt;
    prompt.addText(QStringLiteral("gizli"));
    EXPECT_EQ(prompt.askText(QStringLiteral("Parola:"), {}, true),
              std::optional<QString>(QStringLiteral("gizli")));
    EXPECT_EQ(prompt.askText(QStringLiteral("Parola:"), {}, true), std::nullopt);
    ASSERT_EQ(prompt.shown().size(), 2u);
    EXPECT_TRUE(prompt.shown()[0].question);
    EXPECT_EQ(prompt.shown()[0].text, QStringLiteral("Parola:"));
}

} // namespace
} // namespace velkor
