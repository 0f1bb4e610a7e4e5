#include "framework/forms/DescribedComponent.h"

#include "framework/controls/TLabel.h"
#include "framework/core/TForm.h"

#include <gtest/gtest.h>

TEST(DescribedComponentTest, FindsTheNamedComponentOfItsClassOrSaysWhatIsMissing) {
    TForm form(nullptr);
    auto* label = new TLabel(&form);
    label->SetName(QStringLiteral("Label1"));
    EXPECT_EQ(DescribedComponent<TLabel>(form, "Label1"), label);
    EXPECT_THROW(DescribedComponent<TForm>(form, "Label1"), EReadError); // of another class
    try {
        DescribedComponent<TLabel>(form, "Label2");
        ADD_FAILURE() << "Label2 was found";
    } catch (const EReadError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Form description of TForm lacks Label2"));
    }
}
