// A board to look at and drag from under a real X server: a PNG drawn through
// its alpha over a backdrop, beside a copy made as the game makes its served
// items (a new 32-bit picture, the mask drawn into its mask, then the
// picture); a press on either drags the copy, and the box on the right takes
// picture drops, from this program or another, shows what came and says it
// on standard output. With "--grab <file.png>" it saves what the window shows
// and quits instead of running until closed.
#include "../GalleryRun.h"

#include "rb/Canvas.h"
#include "rb/DragItem.h"
#include "rb/FolderItem.h"
#include "rb/Graphics.h"
#include "rb/Picture.h"
#include "rb/PropertyList.h"
#include "rb/System.h"
#include "rb/Window.h"

#include <cstdio>
#include <string>

namespace {

rb::Ref<rb::Picture> Resource(const std::string& name)
{
    return rb::New<rb::FolderItem>(std::string(RB_BUNDLE_DIR) + "/Resources/" + name)->OpenAsPicture();
}

rb::Ref<rb::Picture> MaskedCopy(const rb::Ref<rb::Picture>& original)
{
    auto copy = rb::New<rb::Picture>(original->Width(), original->Height(), 32);
    copy->Mask(true)->Graphics()->DrawPicture(original->Mask(true), 0, 0);
    copy->Graphics()->DrawPicture(original, 0, 0);
    return copy;
}

class Gallery : public rb::Window {
public:
    Gallery() : Window("CanvasGallery.CanvasGallery") {}

protected:
    void Layout() override
    {
        rb::SetProperties(rb::Ref<Gallery>(this),
                          rb::PropertyList().Integer("Width", 800).Integer("Height", 300).String("Title", "Canvas gallery").Bytes());
    }

    void CreateControls() override
    {
        board_ = Add("Board", 0, 0, 800, 300);
        board_->Backdrop(Resource("rows.png"));
        rb::InstallInstanceEventHandler(board_, "Paint",
                                        rb::RuntimeCreateDelegate(this, &Gallery::Board_Paint, "( Graphics )"));
        rb::InstallInstanceEventHandler(
            board_, "MouseDown",
            rb::RuntimeCreateDelegate(this, &Gallery::Board_MouseDown, "( Int32, Int32 ) as Boolean"));

        box_ = Add("Box", 460, 40, 300, 239);
        rb::SetProperties(box_, rb::PropertyList().String("InitialParent", "Board").Bytes());
        box_->Backdrop(Resource("boxleft.png"));
        box_->AcceptPictureDrop();
        box_->MouseCursor(rb::System::Cursors().FingerPointer);
        rb::InstallInstanceEventHandler(box_, "Paint",
                                        rb::RuntimeCreateDelegate(this, &Gallery::Box_Paint, "( Graphics )"));
        rb::InstallInstanceEventHandler(
            box_, "DropObject", rb::RuntimeCreateDelegate(this, &Gallery::Box_DropObject, "( DragItem, Int32 )"));
    }

private:
    rb::Ref<rb::Canvas> Add(const std::string& name, std::int32_t left, std::int32_t top, std::int32_t width,
                            std::int32_t height)
    {
        auto canvas = NewControl<rb::Canvas>();
        canvas->Left(left);
        canvas->Top(top);
        canvas->Width(width);
        canvas->Height(height);
        canvas->Constructor();
        AddControl(name, canvas);
        return canvas;
    }

    void Board_Paint(rb::Ref<rb::Graphics> g)
    {
        g->DrawPicture(apple_, 40, 40);
        g->DrawPicture(copy_, 240, 40);
    }

    bool Board_MouseDown(std::int32_t x, std::int32_t y)
    {
        const std::int32_t left = x < 240 ? 40 : 240;
        if (y < 40 || y >= 40 + copy_->Height() || x < left || x >= left + copy_->Width())
            return true;
        auto item = NewDragItem(left, 40, copy_->Width(), copy_->Height());
        item->Picture(copy_);
        item->Drag();
        return true;
    }

    void Box_Paint(rb::Ref<rb::Graphics> g)
    {
        if (dropped_)
            g->DrawPicture(dropped_, (300 - dropped_->Width()) / 2, (239 - dropped_->Height()) / 2);
    }

    void Box_DropObject(rb::Ref<rb::DragItem> item, std::int32_t)
    {
        dropped_ = item->Picture();
        if (dropped_)
            std::printf("drop: a picture of %d x %d\n", dropped_->Width(), dropped_->Height());
        else
            std::printf("drop: no picture\n");
        std::fflush(stdout);
        box_->Refresh(true);
    }

    rb::Ref<rb::Picture> apple_ = Resource("apple.png");
    rb::Ref<rb::Picture> copy_ = MaskedCopy(apple_);
    rb::Ref<rb::Picture> dropped_;
    rb::Ref<rb::Canvas> board_;
    rb::Ref<rb::Canvas> box_;
};

} // namespace

int main(int argc, char** argv)
{
    return RunGallery(argc, argv, []() -> rb::Ref<rb::Window> {
        if (!Resource("apple.png")) {
            std::fprintf(stderr, "canvas gallery: no apple.png in %s/Resources\n", RB_BUNDLE_DIR);
            return nullptr;
        }
        return rb::New<Gallery>();
    });
}
