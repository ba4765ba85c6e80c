<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Board</name>
    <message>
        <source>%1: empty.</source>
        <extracomment>A pole without rings. %1 is the pole&apos;s letter (A, B or C, as on the board).</extracomment>
        <translation>العمود %1: فارغ.</translation>
    </message>
    <message>
        <source>%1: ring %2.</source>
        <extracomment>The one ring on a pole. %1: the pole&apos;s letter; %2: the ring&apos;s number (1 is the widest).</extracomment>
        <translation>العمود %1: الحلقة %2.</translation>
    </message>
    <message>
        <source>%1: rings %2.</source>
        <extracomment>Several rings on a pole, bottom to top. %1: the pole&apos;s letter; %2: their numbers, as &quot;1, 2, 3&quot;.</extracomment>
        <translation>العمود %1: الحلقات %2.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins ring numbers into a list: &quot;1, 2&quot;, then &quot;1, 2, 3&quot;.</extracomment>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>Move %1 of %2.</source>
        <extracomment>After the poles, during a solution. %1: moves made; %2: moves in all.</extracomment>
        <translation>النقلة %1 من %2.</translation>
    </message>
    <message>
        <source>Move %1 of %2; next: ring %3 from %4 to %5.</source>
        <extracomment>%1: moves made; %2: moves in all; %3: the ring to move next; %4, %5: poles A, B or C.</extracomment>
        <translation>النقلة %1 من %2؛ التالية: الحلقة %3 من %4 إلى %5.</translation>
    </message>
    <message>
        <source>Move %1 of %2. Puzzle solved.</source>
        <extracomment>After the poles, once every ring stands on C. %1 and %2: the same number of moves.</extracomment>
        <translation>النقلة %1 من %2. حُلّت الأحجية.</translation>
    </message>
    <message>
        <source>1 ring on pole A.</source>
        <extracomment>Spoken when one ring has been stacked on pole A.</extracomment>
        <translation>وُضعت حلقة واحدة على العمود A.</translation>
    </message>
    <message numerus="yes">
        <source>%n rings on pole A, ring 1 the widest at the bottom, ring %n the narrowest on top.</source>
        <extracomment>Spoken when %n rings (2 to 8) have been stacked on pole A; ring 1 is the widest.</extracomment>
        <translation>
            <numerusform>لا حلقات على العمود A.</numerusform>
            <numerusform>وُضعت حلقة واحدة على العمود A.</numerusform>
            <numerusform>وُضعت حلقتان على العمود A: في الأسفل الحلقة ١ وهي الأعرض، وفي الأعلى الحلقة %n وهي الأضيق.</numerusform>
            <numerusform>وُضعت %n حلقات على العمود A: في الأسفل الحلقة ١ وهي الأعرض، وفي الأعلى الحلقة %n وهي الأضيق.</numerusform>
            <numerusform>وُضعت %n حلقة على العمود A: في الأسفل الحلقة ١ وهي الأعرض، وفي الأعلى الحلقة %n وهي الأضيق.</numerusform>
            <numerusform>وُضعت %n حلقة على العمود A: في الأسفل الحلقة ١ وهي الأعرض، وفي الأعلى الحلقة %n وهي الأضيق.</numerusform>
        </translation>
    </message>
    <message>
        <source>Solving 1 ring in 1 move: press Next for each move.</source>
        <extracomment>Spoken when a solution of one ring starts; Next is the button&apos;s caption.</extracomment>
        <translation>حل حلقة واحدة في نقلة واحدة: اضغط «التالي» لكل نقلة.</translation>
    </message>
    <message numerus="yes">
        <source>Solving %n rings in %1 moves: press Next for each move.</source>
        <extracomment>Spoken when a solution of %n rings (2 to 8) starts; %1: its moves (3 to 255).</extracomment>
        <translation>
            <numerusform>حل دون حلقات، عدد النقلات: %1.</numerusform>
            <numerusform>حل حلقة واحدة، عدد النقلات: %1. اضغط «التالي» لكل نقلة.</numerusform>
            <numerusform>حل حلقتين، عدد النقلات: %1. اضغط «التالي» لكل نقلة.</numerusform>
            <numerusform>حل %n حلقات، عدد النقلات: %1. اضغط «التالي» لكل نقلة.</numerusform>
            <numerusform>حل %n حلقة، عدد النقلات: %1. اضغط «التالي» لكل نقلة.</numerusform>
            <numerusform>حل %n حلقة، عدد النقلات: %1. اضغط «التالي» لكل نقلة.</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1 of %2: ring %3 from %4 to %5.</source>
        <extracomment>Spoken after a move. %1: moves made; %2: moves in all; %3: the ring; %4, %5: poles A, B or C.</extracomment>
        <translation>النقلة %1 من %2: الحلقة %3 من %4 إلى %5.</translation>
    </message>
    <message>
        <source>Move %1 of %2: ring %3 from %4 to %5. Puzzle solved.</source>
        <extracomment>Spoken after the last move; as &quot;Move %1 of %2: ring %3 from %4 to %5.&quot;, then the end.</extracomment>
        <translation>النقلة %1 من %2: الحلقة %3 من %4 إلى %5. حُلّت الأحجية.</translation>
    </message>
    <message numerus="yes">
        <source>%1 Part of moving %n rings from %2 to %3.</source>
        <extracomment>Under the board in full screen, after the progress (%1, as &quot;Move 5 of 31; next: ring 2 from A to B.&quot;): the part of the recursive solution that the next move belongs to, %n rings (2 to 8) from pole %2 to pole %3.</extracomment>
        <translation>
            <numerusform>ضمن نقل الحلقات من %2 إلى %3: %1</numerusform>
            <numerusform>ضمن نقل حلقة واحدة من %2 إلى %3: %1</numerusform>
            <numerusform>ضمن نقل حلقتين من %2 إلى %3: %1</numerusform>
            <numerusform>ضمن نقل %n حلقات من %2 إلى %3: %1</numerusform>
            <numerusform>ضمن نقل %n حلقة من %2 إلى %3: %1</numerusform>
            <numerusform>ضمن نقل %n حلقة من %2 إلى %3: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Number of rings to begin with (1-8)</source>
        <extracomment>The ring question; the rings are counted from 1 to 8.</extracomment>
        <translation>عدد الحلقات في البداية (١–٨)</translation>
    </message>
    <message>
        <source>Invalid number of rings</source>
        <translation>عدد الحلقات غير صالح</translation>
    </message>
    <message>
        <source>Enter time in seconds for the delay in moves during the demo. For Eg: 1.65</source>
        <extracomment>Keep the example with a point: the answer is read with &quot;.&quot; as the decimal point only.</extracomment>
        <translation>أدخل المدة بالثواني بين نقلات العرض، بنقطة عشرية، مثل: ١.٦٥</translation>
    </message>
    <message>
        <source>Time Delay</source>
        <extracomment>Title of the delay question.</extracomment>
        <translation>مدة الانتظار</translation>
    </message>
    <message>
        <source>Invalid time delay</source>
        <translation>مدة انتظار غير صالحة</translation>
    </message>
    <message>
        <source>This program was made by Tandrovek.</source>
        <extracomment>First line of About.</extracomment>
        <translation>هذا البرنامج من إعداد Tandrovek.</translation>
    </message>
    <message>
        <source>Send your comments to %1</source>
        <extracomment>Second line of About; %1 is the author&apos;s e-mail address.</extracomment>
        <translation>أرسل ملاحظاتك إلى %1</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>Caption of the Solve button once a solution runs: each press makes the next move. &quot;&amp;&quot; marks the access key (Alt with the letter after it); it must fit a 97-pixel button.</extracomment>
        <translation>ال&amp;تالي</translation>
    </message>
    <message numerus="yes">
        <source>Solution complete in %n iterations.</source>
        <extracomment>Shown once the last ring stands on pole C. %n: the moves made (1 to 255). The English text always says &quot;iterations&quot;, even for 1.</extracomment>
        <translation>
            <numerusform>اكتمل الحل دون نقلات.</numerusform>
            <numerusform>اكتمل الحل في نقلة واحدة.</numerusform>
            <numerusform>اكتمل الحل في نقلتين.</numerusform>
            <numerusform>اكتمل الحل في %n نقلات.</numerusform>
            <numerusform>اكتمل الحل في %n نقلة.</numerusform>
            <numerusform>اكتمل الحل في %n نقلة.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tower of Hanoi by Tandrovek</source>
        <translation>برج هانوي من Tandrovek</translation>
    </message>
    <message>
        <source>Tower of Hanoi board</source>
        <extracomment>The board&apos;s name for screen readers.</extracomment>
        <translation>لوحة برج هانوي</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <extracomment>Button captions: &quot;&amp;&quot; marks the access key (Alt with the letter after it). Each caption must fit a 97-pixel button.</extracomment>
        <translation>ال&amp;سرعة</translation>
    </message>
    <message>
        <source>&amp;Auto Solve</source>
        <translation>حل آل&amp;ي</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>حو&amp;ل</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>إ&amp;عداد</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;حل</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;LTR&quot; for a language written left to right, &quot;RTL&quot; for one written right to left (Arabic).</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Tower of Hanoi</source>
        <translation>برج هانوي</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hanoi: no display to show the window on: neither WAYLAND_DISPLAY nor DISPLAY is set</source>
        <extracomment>Printed when there is no display to show the window on.</extracomment>
        <translation>برنامج hanoi: لا توجد شاشة لعرض النافذة: لم يُضبط WAYLAND_DISPLAY ولا DISPLAY</translation>
    </message>
    <message>
        <source>hanoi: cannot open the window: %1</source>
        <extracomment>Printed when the window system cannot be reached. %1: what Qt said, in English.</extracomment>
        <translation>برنامج hanoi: تعذّر فتح النافذة: %1</translation>
    </message>
    <message>
        <source>Usage: hanoi [OPTION]...
Shows the Tower of Hanoi puzzle in a window and solves it one move at a time.
The program takes no arguments of its own; any others are ignored.

  -f, --full-screen start in full screen
  -h, --help        show this help and exit
  -v, --version     show the version and exit

Keys: F11 full screen; Ctrl+Plus, Ctrl+Minus and Ctrl+0 zoom;
Page Down or Right for Next, as a presenter&apos;s remote sends.

Qt&apos;s options apply, among them:
  -platform NAME    the window system: xcb (X11) or wayland
  -style NAME       the look of the buttons and boxes, such as Fusion
</source>
        <extracomment>Printed by &quot;hanoi --help&quot;. Keep the option names as they are.</extracomment>
        <translation>الاستخدام: hanoi [خيار]...
يعرض أحجية برج هانوي في نافذة ويحلّها نقلةً نقلة.
لا يأخذ البرنامج معاملات خاصة به، ويتجاهل ما سواها.

  -f, --full-screen ابدأ بملء الشاشة
  -h, --help        اعرض هذه المساعدة واخرج
  -v, --version     اعرض الإصدار واخرج

المفاتيح: F11 لملء الشاشة؛ Ctrl مع + أو - أو 0 للتكبير والتصغير؛
Page Down أو السهم الأيمن لـ«التالي»، كما يرسلهما جهاز التحكم في العروض.

تنطبق خيارات Qt، ومنها:
  -platform NAME    نظام النوافذ: xcb (X11) أو wayland
  -style NAME       مظهر الأزرار ومربعات الحوار، مثل Fusion
</translation>
    </message>
    <message>
        <source>hanoi: no display to show the window on: no Wayland socket %1 (WAYLAND_DISPLAY)</source>
        <extracomment>Printed when WAYLAND_DISPLAY is the only display named and no socket is there. %1: the path.</extracomment>
        <translation>برنامج hanoi: لا توجد شاشة لعرض النافذة: لا يوجد مقبس Wayland في %1 (WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>hanoi: cannot open the window: Qt has no platform &quot;%1&quot;; it has %2</source>
        <extracomment>Printed for &quot;-platform NAME&quot; when Qt has no such plugin. %1: NAME; %2: those Qt has, as &quot;wayland, xcb&quot;.</extracomment>
        <translation>برنامج hanoi: تعذّر فتح النافذة: لا منصة «%1» في Qt؛ المنصات المتاحة: %2</translation>
    </message>
    <message>
        <source>hanoi: write error: %1</source>
        <extracomment>Printed when --help or --version cannot be written out. %1: why, in English.</extracomment>
        <translation>برنامج hanoi: خطأ في الكتابة: %1</translation>
    </message>
</context>
</TS>
