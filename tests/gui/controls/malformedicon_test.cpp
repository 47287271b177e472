// A program whose embedded icon file is cut short after its directory.

#include "fixture.h"
#include "platform/resources/resources.h"

namespace guitest {
namespace {

class MalformedIcon : public TGuiTest {};

TEST_F(MalformedIcon, LeavesTheApplicationWithoutAnIconAndRunning) {
    ASSERT_FALSE(resources::FindResource(MainIconResource).empty());
    EXPECT_NO_THROW(Application.Initialize());
    EXPECT_TRUE(Application.Icon()->Empty());

    TForm* form = NewForm();
    EXPECT_FALSE(Headless->Icon(form->Handle()));
    Script({[&] { form->Close(); }});
    Application.Run();
    EXPECT_TRUE(Application.Terminated());
    EXPECT_TRUE(Boxes.empty());
}

} // namespace
} // namespace guitest
