#include "rb/MsgBox.h"

#include "window/QtText.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace rb {

void MsgBox(const std::string& text)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), ToQtText(text),
                                QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}

} // namespace rb
