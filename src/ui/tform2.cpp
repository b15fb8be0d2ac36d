#include "ui/tform2.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "engine/commform.h"
#include "ui/controls.h"

namespace gx {

TForm2::TForm2(CommForm& comm, QWidget* parent) : QWidget(parent), comm_(comm) {
  setObjectName(QStringLiteral("TForm2"));
  auto* col = new QVBoxLayout(this);
  MemoLog* logs[] = {&comm.mmo1, &comm.mmo2, &comm.mmo3, &comm.mmo4};
  for (int i = 0; i < 4; ++i) {
    auto* m = new MemoView(*logs[i]);
    m->setObjectName(QStringLiteral("mmo%1").arg(i + 1));
    col->addWidget(m);
  }
  edt2_ = new QLineEdit(comm.edt2);
  edt2_->setObjectName(QStringLiteral("edt2"));
  lbl1_ = new QLabel(comm.lbl1);
  lbl1_->setObjectName(QStringLiteral("lbl1"));
  col->addWidget(edt2_);
  col->addWidget(lbl1_);
  comm.labelsChanged = [this] {
    edt2_->setText(comm_.edt2);
    lbl1_->setText(comm_.lbl1);
  };
}

QWidget* TForm2::find(const QString& name) const { return findChild<QWidget*>(name); }

}  // namespace gx
