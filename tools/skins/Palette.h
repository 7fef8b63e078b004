#pragma once

#include <QColor>

namespace n63k::skins {

// One dark family with a single accent; every other colour is a grey.
inline const QColor kWindow{0x14, 0x17, 0x1c};
inline const QColor kHeader{0x0f, 0x12, 0x16};
inline const QColor kWell{0x0e, 0x10, 0x13};
inline const QColor kPanel{0x1b, 0x1f, 0x26};
inline const QColor kRaised{0x26, 0x2c, 0x35};
inline const QColor kRaisedOver{0x30, 0x38, 0x45};
inline const QColor kRaisedDisabled{0x1e, 0x22, 0x29};
inline const QColor kEdge{0x3a, 0x42, 0x50};
inline const QColor kEdgeOver{0x4d, 0x57, 0x69};
inline const QColor kEdgeDisabled{0x2b, 0x31, 0x3b};
inline const QColor kAccent{0xe5, 0x53, 0x3d};
inline const QColor kAccentOver{0xff, 0x6a, 0x52};
inline const QColor kAccentEdge{0xb8, 0x3f, 0x2d};
inline const QColor kText{0xd6, 0xdb, 0xe3};
inline const QColor kGlyph{0x9a, 0xa3, 0xb0};
inline const QColor kTextDisabled{0x6b, 0x73, 0x80};

// The message box and the language list carry dark text at run time, so
// they are light cards framed in the dark family's edge.
inline const QColor kCard{0xe9, 0xec, 0xf0};
inline const QColor kCardTitle{0xd7, 0xdc, 0xe3};
inline const QColor kCardButton{0xf7, 0xf8, 0xfa};
inline const QColor kCardEdge{0xb4, 0xbc, 0xc8};
inline const QColor kCardGlyph{0x53, 0x61, 0x67};

// Pixels of this colour in the slider thumb are see-through.
inline const QColor kSeeThroughKey{0xff, 0x00, 0xff};

}  // namespace n63k::skins
