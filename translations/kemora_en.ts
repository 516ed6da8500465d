<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>FieldMessages</name>
    <message>
        <source>物質量（mol）</source>
        <translation>the amount (mol)</translation>
    </message>
    <message>
        <source>温度（℃）</source>
        <translation>the temperature (°C)</translation>
    </message>
    <message>
        <source>圧力の単位</source>
        <translation>a pressure unit</translation>
    </message>
    <message>
        <source>グラフの容量範囲の最小値</source>
        <translation>the graph&apos;s lowest volume</translation>
    </message>
    <message>
        <source>グラフの容量範囲の最大値</source>
        <translation>the graph&apos;s highest volume</translation>
    </message>
    <message>
        <source>グラフの圧力範囲の最小値</source>
        <translation>the graph&apos;s lowest pressure</translation>
    </message>
    <message>
        <source>グラフの圧力範囲の最大値</source>
        <translation>the graph&apos;s highest pressure</translation>
    </message>
    <message>
        <source>容量（リットル）</source>
        <translation>the volume (L)</translation>
    </message>
    <message>
        <source>%1に数値を入力してください。</source>
        <translation>Enter a number for %1.</translation>
    </message>
    <message>
        <source>%1の数値が扱える範囲を超えています。</source>
        <translation>The number for %1 is out of range.</translation>
    </message>
    <message>
        <source>%1を選んでください。</source>
        <translation>Choose %1.</translation>
    </message>
</context>
<context>
    <name>GraphPage</name>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 mol</source>
        <translation>%1 mol</translation>
    </message>
    <message>
        <source>蒸気圧と容量の関係</source>
        <translation>Vapor Pressure and Volume</translation>
    </message>
    <message>
        <source>&#x3000;年&#x3000;&#x3000;組&#x3000;&#x3000;番&#x3000;名前</source>
        <translation>Class        No.        Name</translation>
    </message>
    <message>
        <source>液体：%1&#x3000;&#x3000;温度：%2&#x3000;&#x3000;物質量：%3&#x3000;&#x3000;日付：%4</source>
        <translation>Liquid: %1    Temperature: %2    Amount: %3    Date: %4</translation>
    </message>
    <message>
        <source>yyyy年M月d日</source>
        <translation>MMMM d, yyyy</translation>
    </message>
    <message>
        <source>…ほか %1 件</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>気づいたこと・考えたこと</source>
        <translation>What I noticed and what I think</translation>
    </message>
</context>
<context>
    <name>Liquids</name>
    <message>
        <source>水</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>エタノール</source>
        <translation>Ethanol</translation>
    </message>
    <message>
        <source>ジエチルエーテル</source>
        <translation>Diethyl ether</translation>
    </message>
</context>
<context>
    <name>StepList</name>
    <message>
        <source>データを水に設定します。</source>
        <translation>Set the liquid to water.</translation>
    </message>
    <message>
        <source>データをエタノールに設定します。</source>
        <translation>Set the liquid to ethanol.</translation>
    </message>
    <message>
        <source>データをジエチルエーテルに設定します。</source>
        <translation>Set the liquid to diethyl ether.</translation>
    </message>
    <message>
        <source>初期値設定</source>
        <translation>Initial settings</translation>
    </message>
    <message>
        <source>容量を %1 リットルまで少しずつ変えます。</source>
        <translation>Change the volume gradually to %1 L.</translation>
    </message>
    <message>
        <source>容量を %1 リットルに設定します。</source>
        <translation>Set the volume to %1 L.</translation>
    </message>
    <message>
        <source>グラフを表示します。</source>
        <translation>Show the graph.</translation>
    </message>
    <message>
        <source>グラフを非表示にします。</source>
        <translation>Hide the graph.</translation>
    </message>
    <message>
        <source>描画されたグラフを消します。</source>
        <translation>Clear the graph.</translation>
    </message>
    <message>
        <source>不明なステップです。</source>
        <translation>Unknown step.</translation>
    </message>
</context>
<context>
    <name>TableWording</name>
    <message>
        <source>すべて液体</source>
        <translation>all liquid</translation>
    </message>
    <message>
        <source>液体と蒸気</source>
        <translation>liquid and vapor</translation>
    </message>
    <message>
        <source>すべて蒸気</source>
        <translation>all vapor</translation>
    </message>
    <message>
        <source>容量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>圧力</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>液体</source>
        <translation>Liquid</translation>
    </message>
    <message>
        <source>温度</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>物質量</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>Phase</translation>
    </message>
</context>
<context>
    <name>kemora::dialogs::frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｼｽﾃﾑ情報(&amp;S)...</source>
        <translation>&amp;System Info...</translation>
    </message>
    <message>
        <source>%1のﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>現時点ではｼｽﾃﾑ情報を使用できません</source>
        <translation>System Information is unavailable at this time</translation>
    </message>
    <message>
        <source>閉じたシリンダーの中の液体とその蒸気について、容量を変えたときの圧力を分子の動きとグラフで示す、化学の授業のためのシミュレーションです。</source>
        <translation>A classroom simulation for chemistry that shows, with moving molecules and a graph, how the pressure of a liquid and its vapor in a closed cylinder changes with the volume.</translation>
    </message>
    <message>
        <source>Copyright © 2026 Kemora の開発者。MIT ライセンスで提供され、無保証です。</source>
        <translation>Copyright © 2026 The Kemora developers. Provided under the MIT licence, without any warranty.</translation>
    </message>
    <message>
        <source>区切り線</source>
        <translation>Separator</translation>
    </message>
    <message>
        <source>コンピューターのシステム情報ツールを起動します</source>
        <translation>Starts the computer&apos;s system information tool</translation>
    </message>
</context>
<context>
    <name>kemora::dialogs::frmSinario</name>
    <message>
        <source>シナリオデータ(*.so2)</source>
        <translation>Scenario files (*.so2)</translation>
    </message>
    <message>
        <source>ファイルが短すぎます。</source>
        <translation>The file is too short.</translation>
    </message>
    <message>
        <source>ステップ数が正しくありません。</source>
        <translation>The number of steps is not valid.</translation>
    </message>
    <message>
        <source>シナリオ作成</source>
        <translation>Create Scenario</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>初期設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>物質量&#x3000;（mol）</source>
        <translation>Amount (mol)</translation>
    </message>
    <message>
        <source>温度&#x3000;(℃)</source>
        <translation>Temperature (°C)</translation>
    </message>
    <message>
        <source>圧力の単位</source>
        <translation>Pressure unit</translation>
    </message>
    <message>
        <source>グラフの容量範囲</source>
        <translation>Volume range</translation>
    </message>
    <message>
        <source>～</source>
        <translation>to</translation>
    </message>
    <message>
        <source>グラフの圧力範囲</source>
        <translation>Pressure range</translation>
    </message>
    <message>
        <source>容量設定</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>容量を</source>
        <translation>Set the volume to</translation>
    </message>
    <message>
        <source>リットルに設定します。</source>
        <translation>L.</translation>
    </message>
    <message>
        <source>5リットルずつ変化する。</source>
        <translation>Change in steps of 5 L.</translation>
    </message>
    <message>
        <source>グラフ非表示</source>
        <translation>Hide the graph</translation>
    </message>
    <message>
        <source>グラフ消去</source>
        <translation>Clear Graph</translation>
    </message>
    <message>
        <source>描画されているグラフを消去します。</source>
        <translation>Clear the graph drawn so far.</translation>
    </message>
    <message>
        <source>物質変更</source>
        <translation>Liquid</translation>
    </message>
    <message>
        <source>物質を変更します。</source>
        <translation>Change the liquid.</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ステップは%1個までしか作れません。</source>
        <translation>A scenario can hold at most %1 steps.</translation>
    </message>
    <message>
        <source>シナリオデータを読み込む</source>
        <translation>Load Scenario</translation>
    </message>
    <message>
        <source>シナリオデータを読み込めませんでした。</source>
        <translation>The scenario could not be loaded.</translation>
    </message>
    <message>
        <source>シナリオデータを保存する</source>
        <translation>Save Scenario</translation>
    </message>
    <message>
        <source>シナリオデータを保存できませんでした。</source>
        <translation>The scenario could not be saved.</translation>
    </message>
    <message>
        <source>グラフ表示</source>
        <comment>tab</comment>
        <translation>Graph</translation>
    </message>
    <message>
        <source>グラフ表示</source>
        <comment>option</comment>
        <translation>Show the graph</translation>
    </message>
    <message>
        <source>このページのステップを、一覧で選んだ行の前に、選んでいなければ最後に加えます</source>
        <translation>Adds this page&apos;s step before the line chosen in the list, or at the end if none is chosen</translation>
    </message>
    <message>
        <source>シナリオのタイトル</source>
        <translation>Scenario title</translation>
    </message>
    <message>
        <source>ステップの種類</source>
        <translation>Kind of step</translation>
    </message>
    <message>
        <source>物質</source>
        <translation>Substance</translation>
    </message>
    <message>
        <source>ステップの内容</source>
        <translation>Step details</translation>
    </message>
    <message>
        <source>一覧で選んだステップを削除します</source>
        <translation>Deletes the step chosen in the list</translation>
    </message>
    <message>
        <source>ステップの一覧</source>
        <translation>List of steps</translation>
    </message>
    <message>
        <source>シナリオをファイルから読み込みます</source>
        <translation>Loads a scenario from a file</translation>
    </message>
    <message>
        <source>シナリオをファイルに保存します</source>
        <translation>Saves the scenario to a file</translation>
    </message>
</context>
<context>
    <name>kemora::dialogs::frmSystem</name>
    <message>
        <source>物質量</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>初期値</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>物質量&#x3000;（mol）</source>
        <translation>Amount (mol)</translation>
    </message>
    <message>
        <source>温度&#x3000;(℃)</source>
        <translation>Temperature (°C)</translation>
    </message>
    <message>
        <source>圧力の単位</source>
        <translation>Pressure unit</translation>
    </message>
    <message>
        <source>グラフの容量範囲</source>
        <translation>Volume range</translation>
    </message>
    <message>
        <source>グラフの圧力範囲</source>
        <translation>Pressure range</translation>
    </message>
    <message>
        <source>～</source>
        <translation>to</translation>
    </message>
    <message>
        <source>設定を保存できませんでした。</source>
        <translation>The settings could not be saved.</translation>
    </message>
</context>
<context>
    <name>kemora::ui::CurvePlot</name>
    <message>
        <source>実線：このプログラムの蒸気圧の表（シミュレーションが使う値）
破線：実測値。Antoine 式 log10(p / mmHg) = A − B / (C + t / °C) による。定数は Lange&apos;s Handbook of Chemistry の値</source>
        <translation>Solid: the program&apos;s own vapor-pressure table (the values the simulation uses)
Dashed: measured values from the Antoine equation log10(p / mmHg) = A − B / (C + t / °C), with the constants from Lange&apos;s Handbook of Chemistry</translation>
    </message>
    <message>
        <source>実測値</source>
        <translation>Measured</translation>
    </message>
    <message>
        <source>温度 (%1)</source>
        <translation>Temperature (%1)</translation>
    </message>
    <message>
        <source>蒸気圧 (%1)</source>
        <translation>Vapor pressure (%1)</translation>
    </message>
</context>
<context>
    <name>kemora::ui::ExportCommands</name>
    <message>
        <source>データをCSVで保存</source>
        <translation>Save Data as CSV</translation>
    </message>
    <message>
        <source>CSVファイル (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>蒸気圧のデータ.csv</source>
        <translation>vapor-pressure-data.csv</translation>
    </message>
    <message>
        <source>画像として保存</source>
        <translation>Save as Image</translation>
    </message>
    <message>
        <source>グラフの画像 (*.png)</source>
        <translation>Image of the graph (*.png)</translation>
    </message>
    <message>
        <source>ウィンドウ全体の画像 (*.png)</source>
        <translation>Image of the whole window (*.png)</translation>
    </message>
    <message>
        <source>蒸気圧のグラフ.png</source>
        <translation>vapor-pressure-graph.png</translation>
    </message>
    <message>
        <source>印刷プレビュー</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>蒸気圧のグラフ</source>
        <translation>Vapor pressure graph</translation>
    </message>
    <message>
        <source>保存できませんでした。</source>
        <translation>Could not save the file.</translation>
    </message>
    <message>
        <source>クリップボードにコピーできませんでした。</source>
        <translation>Could not copy to the clipboard.</translation>
    </message>
</context>
<context>
    <name>kemora::ui::frmCurve</name>
    <message>
        <source>画像として保存</source>
        <translation>Save as Image</translation>
    </message>
    <message>
        <source>PNG 画像 (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>蒸気圧曲線.png</source>
        <translation>vapor-pressure-curves.png</translation>
    </message>
    <message>
        <source>実測値の曲線（破線）を重ねて、このプログラムの値と比べます</source>
        <translation>Lays the measured curves (dashed) over the program&apos;s own values for comparison</translation>
    </message>
    <message>
        <source>蒸気圧曲線のグラフ</source>
        <translation>Vapor-Pressure Curves</translation>
    </message>
    <message>
        <source>対数目盛</source>
        <translation>Logarithmic scale</translation>
    </message>
    <message>
        <source>実測値と比べる</source>
        <translation>Compare with measured values</translation>
    </message>
    <message>
        <source>画像を保存...</source>
        <translation>Save Image...</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>グラフを画像としてクリップボードにコピーします (Ctrl+C)</source>
        <translation>Copies the graph to the clipboard as an image (Ctrl+C)</translation>
    </message>
    <message>
        <source>グラフの上にポインタを置くと、その温度の蒸気圧を読み取れます</source>
        <translation>Point at the graph to read the vapor pressures at that temperature</translation>
    </message>
    <message>
        <source>画像を保存できませんでした。
%1</source>
        <translation>The image could not be saved.
%1</translation>
    </message>
    <message>
        <source>%1 %2：&#x3000;%3 %4&#x3000;&#x3000;%5 %6&#x3000;&#x3000;%7 %8</source>
        <translation>%1 %2:   %3 %4    %5 %6    %7 %8</translation>
    </message>
</context>
<context>
    <name>kemora::ui::frmMain</name>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>初期設定(&amp;I)</source>
        <translation>&amp;Initial Settings</translation>
    </message>
    <message>
        <source>シナリオ設定(&amp;S)</source>
        <translation>&amp;Scenario Settings</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>検索(&amp;H)</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>シナリオ実行</source>
        <translation>Scenario mode</translation>
    </message>
    <message>
        <source>グラフ表示・非表示切替</source>
        <translation>Show or hide the graph</translation>
    </message>
    <message>
        <source>表示されているグラフの消去</source>
        <translation>Clear the graph</translation>
    </message>
    <message>
        <source>容量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>圧力</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>リットル</source>
        <translation>L</translation>
    </message>
    <message>
        <source>蒸気圧曲線&#x3000;-&#x3000;%1</source>
        <translation>Vapor Pressure Curve - %1</translation>
    </message>
    <message>
        <source>言語の設定を保存できませんでした。</source>
        <translation>The language setting could not be saved.</translation>
    </message>
    <message>
        <source>拡大(&amp;I)</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>縮小(&amp;O)</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>画面に合わせる</source>
        <translation>Fit to Screen</translation>
    </message>
    <message>
        <source>全画面表示</source>
        <translation>Full Screen</translation>
    </message>
    <message>
        <source>表示の大きさを保存できませんでした。</source>
        <translation>The zoom could not be saved.</translation>
    </message>
    <message>
        <source>蒸気圧曲線(&amp;T)</source>
        <translation>Vapor-Pressure &amp;Curves</translation>
    </message>
    <message>
        <source>データをCSVで保存(&amp;D)…</source>
        <translation>Save &amp;Data as CSV…</translation>
    </message>
    <message>
        <source>画像として保存(&amp;G)…</source>
        <translation>Save as Ima&amp;ge…</translation>
    </message>
    <message>
        <source>印刷(&amp;P)…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>グラフをコピー(&amp;C)</source>
        <translation>&amp;Copy Graph</translation>
    </message>
    <message>
        <source>ウィンドウをコピー</source>
        <translation>Copy Window</translation>
    </message>
    <message>
        <source>シナリオモード(&amp;S)</source>
        <translation>&amp;Scenario Mode</translation>
    </message>
    <message>
        <source>グラフを表示(&amp;G)</source>
        <translation>Show &amp;Graph</translation>
    </message>
    <message>
        <source>グラフを消去(&amp;C)</source>
        <translation>&amp;Clear Graph</translation>
    </message>
    <message>
        <source>アニメーションを一時停止(&amp;P)</source>
        <translation>&amp;Pause Animation</translation>
    </message>
    <message>
        <source>実験をリセット(&amp;R)</source>
        <translation>&amp;Reset Experiment</translation>
    </message>
    <message>
        <source>メニューバー</source>
        <translation>Menu bar</translation>
    </message>
    <message>
        <source>実験画面</source>
        <translation>Experiment</translation>
    </message>
    <message>
        <source>シリンダー</source>
        <translation>Cylinder</translation>
    </message>
    <message>
        <source>シリンダーのふた</source>
        <translation>Cylinder lid</translation>
    </message>
    <message>
        <source>容量に合わせて上下します</source>
        <translation>Moves up and down with the volume</translation>
    </message>
    <message>
        <source>圧力と容量のグラフ</source>
        <translation>Pressure–volume graph</translation>
    </message>
    <message>
        <source>シナリオモード</source>
        <translation>Scenario mode</translation>
    </message>
    <message>
        <source>オンの間は下矢印、Enter、Space、Page Down、右矢印のキーで次のステップを実行します（F5）</source>
        <translation>While on, Down arrow, Enter, Space, Page Down and Right arrow run the next step (F5)</translation>
    </message>
    <message>
        <source>グラフの表示</source>
        <translation>Show graph</translation>
    </message>
    <message>
        <source>グラフを表示するか隠すかを切り替えます（F6）</source>
        <translation>Shows or hides the graph (F6)</translation>
    </message>
    <message>
        <source>グラフの消去</source>
        <translation>Clear graph</translation>
    </message>
    <message>
        <source>グラフに描いた点を消します（F7）</source>
        <translation>Clears the points drawn in the graph (F7)</translation>
    </message>
    <message>
        <source>リットル。上下の矢印キーで %1 リットル、Page Up と Page Down で %2 リットル増減します</source>
        <translation>Litres. Up and Down arrows change it by %1 litres, Page Up and Page Down by %2</translation>
    </message>
    <message>
        <source>容量の増減</source>
        <translation>Volume up and down</translation>
    </message>
    <message>
        <source>容量を %1 リットルずつ増やしたり減らしたりします</source>
        <translation>Raises or lowers the volume by %1 litres</translation>
    </message>
    <message>
        <source>%1 リットル増やす</source>
        <translation>%1 litres more</translation>
    </message>
    <message>
        <source>%1 リットル減らす</source>
        <translation>%1 litres less</translation>
    </message>
    <message>
        <source>容量を変えるたびに計算される圧力</source>
        <translation>The pressure, computed at every change of the volume</translation>
    </message>
    <message>
        <source>液体の種類</source>
        <translation>Liquid</translation>
    </message>
    <message>
        <source>圧力（%1）</source>
        <translation>Pressure (%1)</translation>
    </message>
    <message>
        <source>すべて液体</source>
        <translation>All liquid</translation>
    </message>
    <message>
        <source>すべて気体</source>
        <translation>All vapor</translation>
    </message>
    <message>
        <source>液体 %1 層、気体 %2 層</source>
        <translation>Liquid: %1 layers, vapor: %2 layers</translation>
    </message>
    <message>
        <source>グラフは隠されています</source>
        <translation>The graph is hidden</translation>
    </message>
    <message>
        <source>点はまだありません</source>
        <translation>No point yet</translation>
    </message>
    <message>
        <source>容量 %1 リットル、圧力 %2 %3</source>
        <translation>Volume %1 litres, pressure %2 %3</translation>
    </message>
</context>
<context>
    <name>kemora::web::Page</name>
    <message>
        <source>CONFIG2.INIを読み込む(&amp;L)…</source>
        <translation>&amp;Load CONFIG2.INI…</translation>
    </message>
    <message>
        <source>CONFIG2.INIを書き出す(&amp;E)…</source>
        <translation>&amp;Export CONFIG2.INI…</translation>
    </message>
    <message>
        <source>設定ファイル</source>
        <translation>Settings File</translation>
    </message>
    <message>
        <source>%1は設定ファイル（CONFIG2.INI）ではありません。設定は変わっていません。</source>
        <translation>%1 is not a settings file (CONFIG2.INI). The settings have not changed.</translation>
    </message>
    <message>
        <source>%1は設定ファイルとしては大きすぎます。設定は変わっていません。</source>
        <translation>%1 is too large for a settings file. The settings have not changed.</translation>
    </message>
    <message>
        <source>%1を読み込めませんでした。設定は変わっていません。</source>
        <translation>%1 could not be read. The settings have not changed.</translation>
    </message>
    <message>
        <source>このブラウザーには設定を保存できません。変えた設定は、このページを閉じるまで有効です。</source>
        <translation>This browser does not let the page keep its settings. Settings you change last until the page is closed.</translation>
    </message>
    <message>
        <source>保存せずに閉じる</source>
        <translation>Close without saving</translation>
    </message>
</context>
</TS>
