#pragma once
// The About window: picture, product name, version, legal notice and a
// freeware notice, and two links that hand the maker's e-mail address and
// web address to the system shell. Shown modally.

#include <map>

#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Image.h"
#include "forms/Label.h"

class frmAbout : public FormOf<frmAbout> {
public:
    CommandButton cmdOK;
    Label lblCopyright;
    Label lblDisclaimer;
    Label lblTitle;
    Label lblVersion;
    Label lblURL;
    Label lblEMail;
    std::map<int, Label> lblInfoPane;
    Image imgIcon;

protected:
    FormSettings settings() const override;
    void createControls() override;
    void Form_Load() override;

private:
    void cmdOK_Click();
    void lblEMail_Click();
    void lblURL_Click();
};
