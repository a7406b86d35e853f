// Every IPrintCtl member through IDispatch and the type library, as a web
// page's script drives them. Exits with 1 on the first failed check.
var failures = 0;
function check(what, got, want) {
  if (got !== want) {
    WScript.Echo("FAIL " + what + ": got [" + got + "], want [" + want + "]");
    failures++;
  }
}
var shell = new ActiveXObject("WScript.Shell");
var store = "HKCU\\Software\\Microsoft\\Internet Explorer\\Ormsby Company\\PageSetup\\";
function stored(name) {
  try { return shell.RegRead(store + name); } catch (e) { return null; }
}

var ctl = new ActiveXObject("vellora.PrintCtl");
ctl.InitPrint();
check("fresh copies", ctl.copies, 0);
check("fresh selectedPages", ctl.selectedPages, false);
check("fresh header", ctl.header, "");
check("fresh prevWidth", ctl.prevWidth, -1);
check("fresh prevHeight", ctl.prevHeight, -1);

// Lengths: millimetres by default, inches after SetMarginMeasure(0 or 2).
ctl.marginTop = 19.05;
check("marginTop", ctl.marginTop, 75);
check("margin_top stored", stored("margin_top"), "75");
ctl.SetMarginMeasure(0);
ctl.marginLeft = 0.75;
check("marginLeft inches", ctl.marginLeft, 75);
ctl.SetMarginMeasure(2);
ctl.marginBottom = -10;
check("marginBottom sign dropped", stored("margin_bottom"), "1000");
ctl.marginRight = 0.004;
check("marginRight rounds to empty", stored("margin_right"), "");
ctl.SetMarginMeasure(1);

// Texts in the ANSI code page 936.
ctl.header = "\u9875\u7709 &w";
check("header", ctl.header, "\u9875\u7709 &w");
ctl.footer = "\u0e01x";
check("footer outside the code page", ctl.footer, "?x");
ctl.zoomValue = "75%";
check("zoomValue", ctl.zoomValue, "75%");

ctl.copies = -1;
check("copies", ctl.copies, -1);
check("copies stored", stored("copies"), "-1");
ctl.pageFrom = 2;
ctl.pageTo = 5;
check("pageFrom", ctl.pageFrom, 2);
check("pageTo", ctl.pageTo, 5);
ctl.selectedPages = 1;
check("selectedPages", ctl.selectedPages, true);
check("selectedpages stored", stored("selectedpages"), "true");
ctl.currentPage = false;
check("currentPage", ctl.currentPage, false);

ctl.orientation = 2;
check("orientation", ctl.orientation, 2);
ctl.paperSize = "A4";
check("paperSize", ctl.paperSize, "A4");
ctl.paperSource = "\u81ea\u52a8";
check("paperSource", ctl.paperSource, "\u81ea\u52a8");
ctl.pageWidth = 210;
ctl.pageHeight = 297;
check("pageWidth", ctl.pageWidth, 827);
check("pageHeight", ctl.pageHeight, 1169);
ctl.prevWidth = 800;
ctl.prevHeight = 600;
check("prevWidth", ctl.prevWidth, 800);
check("prevHeight", ctl.prevHeight, 600);

// No printer is installed in the test prefix; an empty name changes nothing.
var before = ctl.defaultPrinterName;
ctl.printer = "";
check("empty printer", ctl.defaultPrinterName, before);
if (before === "") check("printer without default", ctl.printer, "\u65e0\u9ed8\u8ba4\u6253\u5370\u673a");
ctl.defaultPrinterName = "";

// The commands; bPrompt may be left out.
ctl.Preview();
ctl.Print();
ctl.Print(true);
ctl.Print(false);

// A second instance sees the store the first left behind.
var other = new ActiveXObject("vellora.PrintCtl.1");
check("second instance marginTop", other.marginTop, 75);
check("second instance header", other.header, "\u9875\u7709 &w");
ctl.InitPrint();
check("after InitPrint copies", other.copies, 0);
check("after InitPrint header", other.header, "");
check("after InitPrint store", stored("copies"), null);

if (failures > 0) {
  WScript.Echo(failures + " check(s) failed");
  WScript.Quit(1);
}
WScript.Echo("PrintCtl JScript suite: all checks passed");
WScript.Quit(0);
