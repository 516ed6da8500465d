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
    <name>kemora::dialogs::frmAbout</name>
    <message>
        <source>ｱﾌﾟﾘｹｰｼｮﾝの説明</source>
        <translation>Application description</translation>
    </message>
    <message>
        <source>警告: ...</source>
        <translation>Warning: ...</translation>
    </message>
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
</context>
<context>
    <name>kemora::dialogs::frmSystem</name>
    <message>
        <source>物質量</source>
        <translation>Amount of Substance</translation>
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
</context>
</TS>
