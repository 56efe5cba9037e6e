#include "properties/save_folder_box.hpp"

#include <functional>
#include <optional>
#include <utility>

#include "form/form_context.hpp"
#include "properties/settings_transfer.hpp"

namespace {

// Detaches an edit box's change reaction for its lifetime, so that the
// program can refill the box without the refill counting as an edit.
class ChangeReactionDetached {
public:
    explicit ChangeReactionDetached(Edit& box) : box_(box), reaction_(std::exchange(box.onChange, nullptr)) {}
    ~ChangeReactionDetached() { box_.onChange = std::move(reaction_); }
    ChangeReactionDetached(const ChangeReactionDetached&) = delete;
    ChangeReactionDetached& operator=(const ChangeReactionDetached&) = delete;

private:
    Edit& box_;
    std::function<void()> reaction_;
};

}  // namespace

void SaveFolderBox::SaveFolder_EditEnter() {
    Edit& box = form_.controls.SaveFolder_Edit;
    const ChangeReactionDetached detached(box);
    box.setText(form_.SaveFolderPath);
}

void SaveFolderBox::SaveFolder_EditExit() {
    Edit& box = form_.controls.SaveFolder_Edit;
    form_.SaveFolderPath = box.text();
    const ChangeReactionDetached detached(box);
    transfer_.showSaveFolderShortened();
}

void SaveFolderBox::setShownWidth(int pixels) {
    if (pixels == form_.saveFolderWidth) return;
    form_.saveFolderWidth = pixels;
    const ChangeReactionDetached detached(form_.controls.SaveFolder_Edit);
    transfer_.showSaveFolderShortened();
}

void SaveFolderBox::SaveFolder_ButtonClick() {
    // Opened on the stored folder, not on a typed and uncommitted one.
    const std::optional<std::string> chosen = form_.platform.folderBrowser.run(form_.storedSaveFolder());
    if (!chosen) return;
    const bool another = *chosen != form_.SaveFolderPath;
    form_.SaveFolderPath = *chosen;
    transfer_.showSaveFolderShortened();
    // Two folders can shorten to the same text, and an unchanged box raises
    // no change of its own.
    if (another) form_.SaveEnabled_CheckBoxClick();
}
