#include "widgets/QtMessages.h"

#include <QApplication>
#include <QMessageBox>

#include "widgets/TextCodec.h"

namespace vantor {

namespace {
QString Caption(std::string_view caption) {
    return caption.empty() ? QApplication::applicationDisplayName()
                           : QtMessages::FromBytes(caption);
}
}  // namespace

QString QtMessages::FromBytes(std::string_view bytes) {
    // Message texts carry file names and values as they were read.
    return DecodeText(bytes, TextEncoding::Utf8);
}

QWidget* QtMessages::Parent() const {
    QWidget* active = QApplication::activeWindow();
    return active ? active : parent_;
}

void QtMessages::ShowError(std::string_view text, std::string_view caption) {
    QMessageBox::critical(Parent(), Caption(caption), FromBytes(text));
}

void QtMessages::ShowPlain(std::string_view text, std::string_view caption) {
    QMessageBox box(QMessageBox::NoIcon, Caption(caption), FromBytes(text), QMessageBox::Ok,
                    Parent());
    box.exec();
}

bool QtMessages::AskYesNo(std::string_view text, std::string_view caption) {
    return QMessageBox::question(Parent(), Caption(caption), FromBytes(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace vantor
