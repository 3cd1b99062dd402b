// The program's visual skins: five style sheets of our own over the Fusion
// style, and the plain look ("Skin engine off"). The fixed pixel layout stays
// the same in every skin: skins change colours, never fonts or sizes.
#pragma once

#include <QString>
#include <QStringList>

int SkinCount();              // 5
QStringList SkinNames();      // display names of skins 1..5
// 0: skin engine off (plain look); 1..5: that skin. Other values fall back to 0.
void ApplySkin(int skinIndex);
int CurrentSkin();
// The style sheet of a skin (empty for 0 and for unknown indexes).
QString SkinStyleSheet(int skinIndex);
