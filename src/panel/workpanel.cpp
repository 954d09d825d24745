#include "panel/workpanel.h"

CWorkPanel::CWorkPanel(QWidget* parent) : QWidget(parent)
{
    setFixedSize(kWidth, kHeight);
}

void CWorkPanel::UpdateControlSet() {}

void CWorkPanel::RebuildPageList() {}
