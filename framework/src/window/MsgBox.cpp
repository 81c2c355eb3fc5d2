#include "rb/MsgBox.h"

#include "window/QtText.h"
#include "window/WindowFocus.h"
#include "window/WindowFrame.h"
#include "window/WindowRegistry.h"
#include "window/WindowWidgets.h"

#include <QApplication>
#include <QMessageBox>

namespace rb {

void MsgBox(const std::string& text)
{
    // A transient child of the window it is shown over, so that the window
    // manager keeps it above that window.
    const Ref<Window> owner = windows::FrontShown(nullptr);
    auto* box = new QMessageBox(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), ToQtText(text),
                                QMessageBox::Ok, owner ? WindowWidgets::Of(*owner).frame.data() : nullptr);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QDialog::finished, [before = QPointer<QWidget>(QApplication::focusWidget())] {
        focus::GiveBack(before);
    });
    box->show();
}

} // namespace rb
