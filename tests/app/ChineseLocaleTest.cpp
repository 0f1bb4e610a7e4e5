// The main window under a Chinese locale: the toolkit's own texts in the edits' context menus
// are Qt's Chinese, while the program's own texts and boxes stay as the program words them.
#include "AppFixture.h"

#include "app/StatusTexts.h"
#include "app/Unit1.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <memory>

namespace {

// The actions of an edit's context menu, as the toolkit names them before translation.
const char* const kEditActions[] = {"&Undo",  "&Redo",  "Cu&t",      "&Copy",
                                    "&Paste", "Delete", "Select All"};

class ChineseLocaleTest : public AppFixture {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QStringLiteral("zh_CN")));
        AppFixture::SetUp();
        application->Initialize();
        RegisterLibrary({QStringLiteral("春节快乐")});
        application->CreateForm(form);
    }
    void TearDown() override {
        AppFixture::TearDown();
        QLocale::setDefault(saved_);
    }
    // The menu texts without the shortcuts the toolkit puts after a tab.
    static QStringList MenuTexts(TWinControl* edit) {
        const std::unique_ptr<QMenu> menu(
            static_cast<QLineEdit*>(edit->Handle())->createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator())
                texts << action->text().section(QLatin1Char('\t'), 0, 0);
        return texts;
    }

    TForm1* form = nullptr;

private:
    QLocale saved_;
};

} // namespace

TEST_F(ChineseLocaleTest, TheEditsMenusAreQtsChineseAndTheProgramsOwnTextsStay) {
    QStringList translated;
    for (const char* source : kEditActions)
        translated << QCoreApplication::translate("QLineEdit", source);
    ASSERT_EQ(translated.first(), QStringLiteral("撤消(&U)"))
        << "Qt's Chinese translation is missing: scripts/setup installs it";
    EXPECT_EQ(MenuTexts(form->searchkeyword), translated);
    EXPECT_EQ(MenuTexts(form->TJ), translated);

    EXPECT_EQ(form->Caption(), QStringLiteral("短信查询 V1.0"));
    EXPECT_EQ(application->Title(), QStringLiteral("短信查询 - Velmora"));
    form->suiButton_CopyClick(form->suiButton_Copy);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("短信查询 - Velmora"));
    EXPECT_EQ(boxes[0].text, QStringLiteral("请选择一条短信再复制！"));
}
