#include "ui/common/window_texts.h"

#include <QCoreApplication>

#include "korvana_version.h"

namespace korvana::ui {

QString windowText(WindowText text) {
    switch (text) {
        case WindowText::TimePassed:
            return QCoreApplication::translate("WindowTexts", "Time passed");
        case WindowText::HandsPlayed:
            return QCoreApplication::translate("WindowTexts", "Hands played");
        case WindowText::Transparency:
            return QCoreApplication::translate("WindowTexts", "Transparency");
        case WindowText::FontColour:
            return QCoreApplication::translate("WindowTexts", "Font color");
        case WindowText::Help: return QCoreApplication::translate("WindowTexts", "Help");
        case WindowText::About: return QCoreApplication::translate("WindowTexts", "About");
        case WindowText::TellAFriend:
            return QCoreApplication::translate("WindowTexts", "Tell a friend");
        case WindowText::Licence: return QCoreApplication::translate("WindowTexts", "Licence");
        case WindowText::Languages: return QCoreApplication::translate("WindowTexts", "Languages");
        case WindowText::Fold: return QCoreApplication::translate("WindowTexts", "Fold");
        case WindowText::OddsToImprove:
            return QCoreApplication::translate("WindowTexts", "Odds to improve hand by the");
        case WindowText::PocketCards:
            return QCoreApplication::translate("WindowTexts", "pocket cards");
        case WindowText::Flop: return QCoreApplication::translate("WindowTexts", "flop");
        case WindowText::Turn: return QCoreApplication::translate("WindowTexts", "turn");
        case WindowText::River: return QCoreApplication::translate("WindowTexts", "river");
        case WindowText::AutoSwitch:
            return QCoreApplication::translate("WindowTexts", "Automatically switch round");
        case WindowText::NewVersionAvailable: break;
    }
    return QCoreApplication::translate("WindowTexts", "New version available");
}

QString panelLabel(WindowText text) {
    return windowText(text) + QStringLiteral(": ");
}

QString windowCaption() {
    return QStringLiteral("Korvana %1 - ").arg(QLatin1String(kProgramVersion)) +
           QCoreApplication::translate("WindowTexts",
                                       "Poker hands analyzer, Texas Holdem odds calculator");
}

QString licenceFileName(Language language) {
    return language == Language::Russian ? QStringLiteral("eula_rus.txt")
                                         : QStringLiteral("eula_eng.txt");
}

QString languageName(Language language) {
    return language == Language::Russian ? QStringLiteral("Русский") : QStringLiteral("English");
}

}  // namespace korvana::ui
