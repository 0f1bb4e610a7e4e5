#include "framework/controls/TCustomEdit.h"

#include "../core/TestSupport.h"
#include "framework/controls/TEdit.h"
#include "framework/core/Exception.h"

#include <gtest/gtest.h>

using namespace TestSupport;

class TCustomEditTest : public testing::Test {
protected:
    TCustomEditTest() {
        edit->OnChange = [this](TObject* sender) {
            EXPECT_EQ(sender, edit);
            changes << edit->Text();
        };
    }
    RecordingApplication app;
    TComponent owner{nullptr};
    TEdit* edit = new TEdit(&owner);
    QStringList changes;
};

TEST_F(TCustomEditTest, TextSetByTheProgramAndTypedByTheUserIsTheSameText) {
    edit->SetText(QStringLiteral("共 12 条"));
    EXPECT_EQ(edit->Text(), QStringLiteral("共 12 条"));
    EXPECT_EQ(changes, (QStringList{"共 12 条"}));

    edit->SetText(QString());
    TypeText(edit->Handle(), QStringLiteral("ab"));
    EXPECT_EQ(edit->Text(), QStringLiteral("ab"));
    EXPECT_EQ(changes, (QStringList{"共 12 条", "", "a", "ab"}));

    // What the user typed is overwritten by the program's next text, whatever it was before.
    edit->SetText(QString());
    EXPECT_EQ(edit->Text(), QString());
    edit->SetText(QStringLiteral("共 3 条"));
    EXPECT_EQ(edit->Text(), QStringLiteral("共 3 条"));
    // The same text again is no change.
    edit->SetText(QStringLiteral("共 3 条"));
    EXPECT_EQ(changes.size(), 6);
}

TEST_F(TCustomEditTest, AnErrorInOnChangeIsReported) {
    edit->OnChange = [](TObject*) { throw EConvertError(QStringLiteral("坏")); };
    TypeText(edit->Handle(), QStringLiteral("a"));
    ASSERT_EQ(app.boxes.size(), 1u);
    EXPECT_EQ(app.boxes[0].text, QStringLiteral("坏"));
    EXPECT_EQ(edit->Text(), QStringLiteral("a"));
}

TEST_F(TCustomEditTest, AReadOnlyEditTakesNoTyping) {
    edit->SetText(QStringLiteral("x"));
    edit->SetReadOnly(true);
    TypeText(edit->Handle(), QStringLiteral("ab"));
    EXPECT_EQ(edit->Text(), QStringLiteral("x"));
}
