// The about box, with the splash picture made small.
#include "turnsim/app/about_box.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "turnsim/app/splash.h"

namespace turnsim {

namespace {

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName("AboutBox");
  setWindowTitle("About Torvane");

  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setFrameShadow(QFrame::Sunken);

  auto* icon = AddLabel(panel, "ProgramIcon", QString());
  const QImage picture = TFLog::LoadPicture();
  if (!picture.isNull()) {
    icon->setPixmap(
        QPixmap::fromImage(picture.scaled(128, 80, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  }
  auto* product = AddLabel(panel, "ProductName", "TORVANE");
  QFont bold = product->font();
  bold.setBold(true);
  product->setFont(bold);
  auto* version = AddLabel(panel, "Version", "Version 1.0");
  auto* notice =
      AddLabel(panel, "Copyright", "Lathe turning simulator with 2D animation and 3D views");
  auto* credits =
      AddLabel(panel, "Comments",
               "This software is based in part on the work of the Independent JPEG Group.");
  credits->setWordWrap(true);

  auto* grid = new QGridLayout(panel);
  grid->addWidget(icon, 0, 0, 2, 1);
  grid->addWidget(product, 0, 1);
  grid->addWidget(version, 1, 1);
  grid->addWidget(notice, 2, 0, 1, 2);
  grid->addWidget(credits, 3, 0, 1, 2);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKButton");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QWidget::close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

TAboutBox* TAboutBox::ShowNew(QWidget* parent) {
  auto* box = new TAboutBox(parent);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->show();
  return box;
}

void TAboutBox::showEvent(QShowEvent* event) {
  if (const QScreen* screen = this->screen()) {
    move(screen->geometry().center() - rect().center());
  }
  QDialog::showEvent(event);
}

} // namespace turnsim
