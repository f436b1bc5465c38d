#pragma once
// Which downloaded banner link texts may be handed to the desktop to open.
//
// The link text comes from the network, so it is never opened as is: only an
// absolute http or https address with a host qualifies. Anything else (empty
// text, file:, javascript:, a path to a local program, control characters)
// opens nothing. The stored link text itself is kept exactly as received.
#include <QByteArray>
#include <QUrl>

namespace korvana::online {

// The address to open for a banner link text (Windows-1251), or an invalid
// QUrl when the text must not be opened. Trailing line breaks (the site ends
// its texts with one) are ignored.
QUrl bannerLinkTarget(const QByteArray& linkText);

}  // namespace korvana::online
