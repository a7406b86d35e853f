// A sample page script: drives the print control the way a web page does
// and prints the page-setup store the control leaves behind.
var ctl = new ActiveXObject("vellora.PrintCtl");
ctl.InitPrint();
ctl.marginTop = 19.05;    // millimetres
ctl.marginBottom = 19.05;
ctl.SetMarginMeasure(0);  // inches from here on
ctl.marginLeft = 0.75;
ctl.marginRight = 0.75;
ctl.header = "&w&b\u7b2c &p \u9875";
ctl.footer = "&u&b&d";
ctl.copies = 2;
ctl.pageFrom = 1;
ctl.pageTo = 3;
ctl.selectedPages = true;
ctl.currentPage = false;
ctl.zoomValue = "100";
ctl.orientation = 2;

var shell = new ActiveXObject("WScript.Shell");
var key = "HKCU\\Software\\Microsoft\\Internet Explorer\\Ormsby Company\\PageSetup\\";
var names = ["margin_top", "margin_left", "margin_bottom", "margin_right", "page_width",
             "page_height", "header", "footer", "copies", "pagefrom", "pageto",
             "selectedpages", "currentpage", "zoom"];
WScript.Echo("Page-setup store (" + key + "):");
for (var i = 0; i < names.length; i++) {
  var v;
  try { v = '"' + shell.RegRead(key + names[i]) + '"'; } catch (e) { v = "(not set)"; }
  WScript.Echo("  " + names[i] + " = " + v);
}
WScript.Echo("Read back: marginTop " + ctl.marginTop + ", orientation " + ctl.orientation +
             ", copies " + ctl.copies + ", header " + ctl.header);
