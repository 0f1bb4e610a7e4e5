#include "framework/core/TCustomForm.h"

#include "TestSupport.h"
#include "framework/core/TForm.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace TestSupport;

class TCustomFormTest : public testing::Test {
protected:
    RecordingApplication recorder;
    TApplication* app = recorder.application.get();
};

TEST_F(TCustomFormTest, TheClientAreaIsTheWindowLessItsFrame) {
    TForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsSizeable);
    form.SetClientWidth(500);
    form.SetClientHeight(453);
    EXPECT_EQ(form.Width(), 508);
    EXPECT_EQ(form.Height(), 453 + 8 + 19);
    EXPECT_EQ(form.ClientWidth(), 500);

    // Another frame: the client area keeps its size, the window changes around it.
    form.SetBorderStyle(TFormBorderStyle::bsSingle);
    EXPECT_EQ(form.ClientWidth(), 500);
    EXPECT_EQ(form.ClientHeight(), 453);
    EXPECT_EQ(form.Width(), 506);
    EXPECT_EQ(form.Height(), 453 + 6 + 19);
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    EXPECT_EQ(form.Width(), 500);
    EXPECT_EQ(form.Height(), 453);
    EXPECT_EQ(form.ClientHeight(), 453);
    EXPECT_EQ(form.Handle()->size(), QSize(500, 453));
}

TEST_F(TCustomFormTest, MinimumWidthClampsTheWindow) {
    TForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetWidth(400);
    form.Constraints()->SetMinWidth(270);
    form.SetWidth(100);
    EXPECT_EQ(form.Width(), 270);
    form.SetWidth(300);
    EXPECT_EQ(form.Width(), 300);
    form.Constraints()->SetMinWidth(0);
    form.SetWidth(200);
    EXPECT_EQ(form.Width(), 200);
    form.Constraints()->SetMinWidth(250);
    EXPECT_EQ(form.Width(), 250);
}

TEST_F(TCustomFormTest, ClosingTheMainFormRunsOnCloseOnceAndEndsTheProgram) {
    TForm* form = nullptr;
    app->CreateForm(form);
    int closes = 0;
    form->OnClose = [&](TObject* sender, TCloseAction& action) {
        EXPECT_EQ(sender, form);
        EXPECT_EQ(action, TCloseAction::caHide);
        ++closes;
    };
    form->Show();
    form->Close();
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(app->Terminated());
    EXPECT_FALSE(form->Handle()->isVisible());
    form->Close();
    EXPECT_EQ(closes, 1);
}

TEST_F(TCustomFormTest, CaNoneKeepsTheFormOpen) {
    TForm* form = nullptr;
    app->CreateForm(form);
    int closes = 0;
    form->OnClose = [&](TObject*, TCloseAction& action) {
        ++closes;
        action = TCloseAction::caNone;
    };
    form->Show();
    form->Close();
    form->Close();
    EXPECT_EQ(closes, 2);
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(form->Handle()->isVisible());
    EXPECT_FALSE(app->Terminated());
}

TEST_F(TCustomFormTest, TheToolkitsCloseRequestGoesThroughClose) {
    TForm* form = nullptr;
    app->CreateForm(form);
    bool keepOpen = true;
    int closes = 0;
    form->OnClose = [&](TObject*, TCloseAction& action) {
        ++closes;
        if (keepOpen)
            action = TCloseAction::caNone;
    };
    form->Show();
    EXPECT_FALSE(form->Handle()->close());
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(form->Handle()->isVisible());

    keepOpen = false;
    form->Handle()->close();
    EXPECT_EQ(closes, 2);
    EXPECT_FALSE(form->Handle()->isVisible());
    EXPECT_TRUE(app->Terminated());
}
