#include "widgets/QtMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QStringDecoder>

namespace vantor {

namespace {
QString Caption(std::string_view caption) {
    return caption.empty() ? QApplication::applicationDisplayName()
                           : QtMessages::FromBytes(caption);
}
}  // namespace

QString QtMessages::FromBytes(std::string_view bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError()) return text;
    // Older files come from Windows machines.
    QStringDecoder latin(QStringDecoder::Latin1);
    auto cp1252 = QStringDecoder("windows-1252");
    QStringDecoder& decoder = cp1252.isValid() ? cp1252 : latin;
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
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
