#include "forms/QuestionBoxes.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include "main/State.h"

namespace {

// A question box whose Escape key and close box give no button's answer but Cancel.
// QMessageBox would otherwise click its escape button, which for Yes/No is No.
class QuestionBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

    bool ClosedWithoutAnswer() const { return closedWithoutAnswer_; }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Cancel)) {
            closedWithoutAnswer_ = true;
            close();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }

    void closeEvent(QCloseEvent* event) override
    {
        if (clickedButton() == nullptr) {
            closedWithoutAnswer_ = true;
        }
        QMessageBox::closeEvent(event);
    }

private:
    bool closedWithoutAnswer_ = false;
};

// Messages break their lines Windows-style; a label shows a lone '\r' as a box.
QString DisplayText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

} // namespace

Answer RunQuestionBox(QWidget* parent, QuestionKind kind, const QString& text)
{
    const bool information = kind == QuestionKind::Information;
    QuestionBox box(parent);
    box.setWindowTitle(information ? QStringLiteral("情報") : QStringLiteral("確認"));
    box.setIcon(information ? QMessageBox::Information : QMessageBox::Question);
    box.setText(DisplayText(text));
    box.setTextFormat(Qt::PlainText);

    QPushButton* first;
    QPushButton* second;
    if (kind == QuestionKind::SaveFirst) {
        first = box.addButton(QStringLiteral("保存する(&S)"), QMessageBox::AcceptRole);
        second = box.addButton(QStringLiteral("保存しない(&N)"), QMessageBox::DestructiveRole);
        QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
        box.setDefaultButton(first);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.ClosedWithoutAnswer() || box.clickedButton() == cancel)
            return Answer::Cancel;
        return box.clickedButton() == first    ? Answer::Yes
               : box.clickedButton() == second ? Answer::No
                                               : Answer::Cancel;
    }
    if (information) {
        first = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        second = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    } else {
        first = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        second = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    }
    box.setDefaultButton(first);
    // The box needs an escape button to accept its close box at all; the answer of a
    // close is decided by QuestionBox, not by this button.
    box.setEscapeButton(second);
    box.exec();

    if (box.ClosedWithoutAnswer()) {
        return Answer::Cancel;
    }
    if (box.clickedButton() == first) {
        return information ? Answer::Ok : Answer::Yes;
    }
    if (box.clickedButton() == second) {
        return information ? Answer::Cancel : Answer::No;
    }
    return Answer::Cancel;
}

void RunErrorBox(QWidget* parent, const QString& text)
{
    QMessageBox box(parent);
    box.setWindowTitle(QString::fromUtf8(ApplicationTitle));
    box.setIcon(QMessageBox::Critical);
    box.setText(DisplayText(text));
    box.setTextFormat(Qt::PlainText);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

void RunInformationBox(QWidget* parent, const QString& text)
{
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("情報"));
    box.setIcon(QMessageBox::Information);
    box.setText(DisplayText(text));
    box.setTextFormat(Qt::PlainText);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}
