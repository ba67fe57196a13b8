#include "forms/EngineDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int LongestTurnMs = 3600 * 1000;
constexpr int MostThreads = 1024;
constexpr int MostMemoryMb = 1024 * 1024;
constexpr long long Megabyte = 1024 * 1024;

QSpinBox* NewSpin(QWidget* parent, const char* name, int most, int value, const QString& zero)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromUtf8(name));
    spin->setRange(0, most);
    spin->setValue(value);
    if (!zero.isEmpty())
        spin->setSpecialValueText(zero);
    return spin;
}

} // namespace

EngineDialog::EngineDialog(QWidget* parent, const engine::EngineSettings& current)
    : QDialog(parent), limits_(current.limits)
{
    setObjectName(QStringLiteral("EngineDialog"));
    setWindowTitle(QStringLiteral("エンジンの設定"));

    EditProgram = new QLineEdit(current.program, this);
    EditProgram->setObjectName(QStringLiteral("EditProgram"));
    EditProgram->setMinimumWidth(320);
    BtnBrowse = new QPushButton(QStringLiteral("参照(&B)..."), this);
    BtnBrowse->setObjectName(QStringLiteral("BtnBrowse"));
    auto* programRow = new QHBoxLayout;
    programRow->addWidget(EditProgram);
    programRow->addWidget(BtnBrowse);

    SpinTime = NewSpin(this, "SpinTime", LongestTurnMs, current.limits.turnMs, {});
    SpinTime->setSuffix(QStringLiteral(" ミリ秒"));
    SpinTime->setSingleStep(100);
    SpinThreads = NewSpin(this, "SpinThreads", MostThreads, current.limits.threads,
                          QStringLiteral("エンジンに任せる"));
    SpinMemory = NewSpin(this, "SpinMemory", MostMemoryMb,
                         static_cast<int>(current.limits.memoryBytes / Megabyte),
                         QStringLiteral("エンジンに任せる"));
    SpinMemory->setSuffix(QStringLiteral(" MB"));

    BtnTry = new QPushButton(QStringLiteral("起動して確認(&T)"), this);
    BtnTry->setObjectName(QStringLiteral("BtnTry"));
    LabelStatus = new QLabel(this);
    LabelStatus->setObjectName(QStringLiteral("LabelStatus"));
    LabelStatus->setWordWrap(true);
    auto* tryRow = new QHBoxLayout;
    tryRow->addWidget(BtnTry);
    tryRow->addWidget(LabelStatus, 1);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("エンジン(&E):"), programRow);
    form->addRow(QStringLiteral("一手の時間(&M):"), SpinTime);
    form->addRow(QStringLiteral("スレッド数(&H):"), SpinThreads);
    form->addRow(QStringLiteral("メモリ(&R):"), SpinMemory);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("OKBtn"));
    buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("CancelBtn"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(tryRow);
    layout->addWidget(buttons);

    connect(BtnBrowse, &QPushButton::clicked, this, &EngineDialog::Browse);
    connect(BtnTry, &QPushButton::clicked, this, &EngineDialog::TryEngine);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<engine::EngineSettings> EngineDialog::Ask(QWidget* parent,
                                                        const engine::EngineSettings& current)
{
    EngineDialog dialog(parent, current);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    engine::EngineSettings chosen = dialog.Chosen();
    if (chosen.program.isEmpty())
        return std::nullopt; // nothing chosen, so nothing to keep
    return chosen;
}

engine::EngineSettings EngineDialog::Chosen() const
{
    engine::EngineSettings chosen;
    chosen.program = EditProgram->text().trimmed();
    chosen.limits = limits_;
    chosen.limits.turnMs = SpinTime->value();
    chosen.limits.threads = SpinThreads->value();
    chosen.limits.memoryBytes = SpinMemory->value() * Megabyte;
    return chosen;
}

void EngineDialog::Browse()
{
    const QString chosen =
        QFileDialog::getOpenFileName(this, QStringLiteral("エンジンを選ぶ"), EditProgram->text(),
                                     {}, nullptr, QFileDialog::DontUseNativeDialog);
    if (chosen.isEmpty())
        return;
    EditProgram->setText(chosen);
    TryEngine();
}

void EngineDialog::TryEngine()
{
    const engine::EngineSettings chosen = Chosen();
    if (chosen.program.isEmpty()) {
        LabelStatus->setText(QStringLiteral("エンジンの実行ファイルを選んでください"));
        return;
    }
    // One trial at a time: a new one ends the last (its engine gets END).
    delete trial_;
    trial_ = new engine::EngineProcess(this);
    LabelStatus->setText(QStringLiteral("起動しています..."));
    engine::EngineProcess* trial = trial_;
    connect(trial, &engine::EngineProcess::Ready, this, [this, trial](const QString& name) {
        LabelStatus->setText(QStringLiteral("エンジン: ") + name);
        trial->Close();
    });
    connect(trial, &engine::EngineProcess::Faulted, this,
            [this](engine::Fault fault, const QString& detail) {
                QString text = engine::FaultMessage(fault);
                if (!detail.trimmed().isEmpty())
                    text += QStringLiteral("（") + detail.simplified() + QStringLiteral("）");
                LabelStatus->setText(text);
            });
    trial->Start(chosen.program, chosen.limits);
}
