#include "editor/fstartbild.h"

#include <cmath>

namespace editor {
namespace {

constexpr ui::OleColor kBannerBlue = 0x00703810;  // 0x00BBGGRR
constexpr ui::OleColor kWhite = 0x00FFFFFF;
constexpr ui::OleColor kPaleBlue = 0x00F0D8B8;

void bannerLabel(ui::Label& l, ui::PictureBox& banner, const char* caption, int top, int height,
                 double size, bool bold, ui::OleColor colour) {
    l.setContainer(banner);
    l.setCaption(caption);
    l.setBackStyle(0);
    l.setForeColor(colour);
    l.setFontName("Arial");
    l.setFontSize(size);
    l.setFontBold(bold);
    l.move(360, top, 5400, height);
}

}  // namespace

fStartbild::fStartbild() : ui::Form("fStartbild") {
    setBorderStyle(ui::vbBSNone);
    setWidth(6000);
    setHeight(3900);
    picBanner.setBorderStyle(0);
    picBanner.setBackColor(kBannerBlue);
    picBanner.move(0, 0, 6000, 2520);
    bannerLabel(lblMaker, picBanner, "Korvane Controls Ltd", 300, 360, 12, true, kWhite);
    bannerLabel(lblModel, picBanner, "MBX-440", 780, 900, 36, true, kWhite);
    bannerLabel(lblKind, picBanner, "EnOcean receiver node", 1800, 330, 10, false, kPaleBlue);
    lblProduct.setCaption("Plug-in for mbxn");
    lblProduct.move(360, 2760, 5400, 300);
    // The device search shows these two while it runs.
    lblGeraet.move(360, 3120, 5280, 255);
    lblGeraet.setVisible(false);
    Progr_Geraete.move(360, 3420, 5280, 255);
    Progr_Geraete.setVisible(false);
    onLoad = [this] { Form_Load(); };
}

void fStartbild::Form_Load() {
    const auto& s = ui::screen();
    setLeft((s.width() - width()) / 2);
    setTop(static_cast<int>(std::lround((s.height() - height() + 15) / 2.0)));
}

}  // namespace editor
