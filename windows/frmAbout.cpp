#include "windows/frmAbout.h"

#include <string>

#include "resources/AppInfo.h"
#include "resources/resource.h"
#include "windows/webinterface.h"

namespace {
const wchar_t* const Disclaimer =
    L"Glyphwright is freeware: you may use it and pass it on free of charge.  It comes without any warranty, "
    L"and you use it at your own risk.";

LabelStyle linkStyle() {
    LabelStyle style;
    style.textColor = RGB(0, 0, 255);
    style.transparent = true;
    style.clickable = true;
    style.autoSize = true;
    style.cursor = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDCUR_LINK));
    return style;
}

FontSpec underlined() {
    FontSpec font;
    font.underline = true;
    return font;
}
}  // namespace

FormSettings frmAbout::settings() const {
    FormSettings settings;
    settings.className = L"frmAbout";
    settings.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME;
    settings.exStyle = WS_EX_DLGMODALFRAME;
    settings.clientWidth = 7785;
    settings.clientHeight = 3435;
    settings.taskbarButton = false;
    settings.iconId = IDI_ABOUT_ICON;
    return settings;
}

// Created in keyboard order; the picture takes no focus.
void frmAbout::createControls() {
    cmdOK.create(*this, ButtonArgs{.caption = L"OK", .rect = TwipsRect{6360, 3000, 1260, 345}, .id = IDOK,
                                   .isDefault = true});
    cmdOK.onClick = [this] { cmdOK_Click(); };
    setDefaultButton(cmdOK);
    setCancelButton(cmdOK);

    LabelStyle black;
    black.textColor = RGB(0, 0, 0);
    lblCopyright.create(*this, L"", TwipsRect{2280, 1365, 5325, 450}, FontSpec{}, black);
    lblDisclaimer.create(*this, L"", TwipsRect{120, 1920, 7455, 495}, FontSpec{}, black);
    FontSpec titleFont;
    titleFont.points = 9.75;
    lblTitle.create(*this, L"", TwipsRect{2250, 240, 5325, 480}, titleFont, black);
    lblVersion.create(*this, L"", TwipsRect{2250, 780, 5325, 225});

    lblURL.create(*this, webinterface::WebAddress, TwipsRect{5520, 2640, 2175, 195}, underlined(), linkStyle());
    lblURL.onClick = [this] { lblURL_Click(); };
    lblEMail.create(*this, webinterface::SupportEMail, TwipsRect{2520, 2640, 2205, 195}, underlined(), linkStyle());
    lblEMail.onClick = [this] { lblEMail_Click(); };

    LabelStyle pane;
    pane.alignment = SS_RIGHT;
    pane.transparent = true;
    pane.autoSize = true;
    lblInfoPane[17].create(*this, L"E-mail Comments/Suggestions to:", TwipsRect{120, 2640, 2370, 195}, FontSpec{},
                           pane);
    lblInfoPane[18].create(*this, L"Or Visit", TwipsRect{4920, 2640, 495, 195}, FontSpec{}, pane);

    imgIcon.create(*this, ImageArgs{.pictureId = IDP_ABOUT, .rect = TwipsRect{120, 120, 1800, 1800}});
}

// Fills in the product's name, version and notices.
void frmAbout::Form_Load() {
    setCaption(std::wstring(L"About ") + appinfo::ProductName);
    lblVersion.setCaption(L"Version :" + std::to_wstring(appinfo::Major) + L"." + std::to_wstring(appinfo::Minor) +
                          L"." + std::to_wstring(appinfo::Revision));
    lblTitle.setCaption(appinfo::ProductName);
    lblCopyright.setCaption(appinfo::LegalNotice);
    lblDisclaimer.setCaption(Disclaimer);
}

// OK closes the window.
void frmAbout::cmdOK_Click() { Unload(); }

// The address opens a new mail to it.
void frmAbout::lblEMail_Click() { webinterface::SendEMail(); }

// The link opens the web site.
void frmAbout::lblURL_Click() { webinterface::OpenWebSite(); }
