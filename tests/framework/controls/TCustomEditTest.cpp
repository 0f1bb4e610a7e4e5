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

TEST_F(TCustomEditTest, AFrameMarginMovesTheTextInwardAndKeepsItCentred) {
    const auto inkOrigin = [](TEdit& e) {
        const QImage image = e.Handle()->grab().toImage();
        QPoint origin(image.width(), image.height());
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    origin = QPoint(std::min(origin.x(), x), std::min(origin.y(), y));
        return origin;
    };
    for (TEdit* e : {edit, new TEdit(&owner)}) {
        e->SetBorderStyle(TBorderStyle::bsNone);
        e->SetBounds(0, 0, 120, 21);
        e->SetText(QStringLiteral("框"));
    }
    auto* framed = qobject_cast<TEdit*>(owner.Components(1));
    framed->SetFrameMargin(3);
    EXPECT_EQ(inkOrigin(*framed), inkOrigin(*edit) + QPoint(3, 0));
}
