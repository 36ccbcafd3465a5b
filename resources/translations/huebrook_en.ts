<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Accessibility</name>
    <message>
        <source>24色相環の配色を大きな色見本の下半分に表示します</source>
        <translation>Shows a 24-hue wheel scheme in the lower half of the big swatch</translation>
    </message>
    <message>
        <source>現在の色</source>
        <translation>Current colour</translation>
    </message>
    <message>
        <source>表示する色の一覧</source>
        <translation>Colour list shown</translation>
    </message>
    <message>
        <source>キープ、履歴、パレットのどれを表示するか選びます</source>
        <translation>Chooses the kept colours, the history or a palette</translation>
    </message>
    <message>
        <source>キープした色</source>
        <translation>Kept colours</translation>
    </message>
    <message>
        <source>色の履歴</source>
        <translation>Colour history</translation>
    </message>
    <message>
        <source>パレットの色</source>
        <translation>Palette colours</translation>
    </message>
    <message>
        <source>キープに追加</source>
        <translation>Keep</translation>
    </message>
    <message>
        <source>現在の色をキープに加えます</source>
        <translation>Adds the current colour to the kept colours</translation>
    </message>
    <message>
        <source>キープをクリア</source>
        <translation>Clear kept colours</translation>
    </message>
    <message>
        <source>キープした色をすべて削除します</source>
        <translation>Deletes every kept colour</translation>
    </message>
    <message>
        <source>スポイト</source>
        <translation>Eyedropper</translation>
    </message>
    <message>
        <source>16進数</source>
        <translation>Hex code</translation>
    </message>
    <message>
        <source>色を6桁の16進数で入力します（例: FF8000）</source>
        <translation>Enter a colour as six hex digits (for example FF8000)</translation>
    </message>
    <message>
        <source>16進数を読込み</source>
        <translation>Load hex code</translation>
    </message>
    <message>
        <source>入力した16進数を現在の色にします</source>
        <translation>Makes the code entered the current colour</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>現在の色を白に戻します</source>
        <translation>Sets the current colour back to white</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>赤の値</source>
        <translation>Red value</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>緑の値</source>
        <translation>Green value</translation>
    </message>
    <message>
        <source>青</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>青の値</source>
        <translation>Blue value</translation>
    </message>
    <message>
        <source>シアン</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>シアンの値</source>
        <translation>Cyan value</translation>
    </message>
    <message>
        <source>マゼンタ</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>マゼンタの値</source>
        <translation>Magenta value</translation>
    </message>
    <message>
        <source>イエロー</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>イエローの値</source>
        <translation>Yellow value</translation>
    </message>
    <message>
        <source>ブラック</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>ブラックの値</source>
        <translation>Black value</translation>
    </message>
    <message>
        <source>色相</source>
        <translation>Hue</translation>
    </message>
    <message>
        <source>色相の値（度）</source>
        <translation>Hue value (degrees)</translation>
    </message>
    <message>
        <source>彩度</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>彩度の値（%）</source>
        <translation>Saturation value (%)</translation>
    </message>
    <message>
        <source>明度</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>明度の値（%）</source>
        <translation>Value (%)</translation>
    </message>
    <message>
        <source>HSVチャート</source>
        <translation>HSV chart</translation>
    </message>
    <message>
        <source>クリックまたはドラッグした点の色を現在の色にします</source>
        <translation>Makes the colour clicked or dragged over the current colour</translation>
    </message>
    <message>
        <source>キープ</source>
        <translation>Kept</translation>
    </message>
    <message>
        <source>履歴</source>
        <translation>History</translation>
    </message>
    <message>
        <source>配色</source>
        <translation>Scheme</translation>
    </message>
    <message>
        <source>%1、コントラスト %2</source>
        <translation>%1, contrast %2</translation>
    </message>
    <message>
        <source>%1、%2 %3/%4</source>
        <translation>%1, %2 %3/%4</translation>
    </message>
    <message>
        <source>色の一覧</source>
        <translation>Colour list</translation>
    </message>
    <message>
        <source>選択した色</source>
        <translation>Selected colour</translation>
    </message>
    <message>
        <source>色名</source>
        <translation>Colour name</translation>
    </message>
    <message>
        <source>色を追加</source>
        <translation>Add colour</translation>
    </message>
    <message>
        <source>一覧の最後に新しい色を加えます</source>
        <translation>Adds a new colour at the end of the list</translation>
    </message>
    <message>
        <source>色を削除</source>
        <translation>Delete colour</translation>
    </message>
    <message>
        <source>選択した色を一覧から削除します</source>
        <translation>Deletes the selected colour from the list</translation>
    </message>
    <message>
        <source>色を保存</source>
        <translation>Save colour</translation>
    </message>
    <message>
        <source>色名と値を選択した色に書き込みます</source>
        <translation>Writes the name and values into the selected colour</translation>
    </message>
    <message>
        <source>%1（ヘルプページを開きます）</source>
        <translation>%1 (opens the help page)</translation>
    </message>
    <message>
        <source>ほかのコマンド</source>
        <translation>More commands</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>クリップボードを開けません</source>
        <translation>Cannot open the clipboard</translation>
    </message>
</context>
<context>
    <name>ColorConvert</name>
    <message>
        <source>桁数が2桁か4桁ではありません。</source>
        <translation>The code must have 2 or 4 digits.</translation>
    </message>
</context>
<context>
    <name>ColorOutput</name>
    <message>
        <source>出力しました</source>
        <translation>Copied.</translation>
    </message>
    <message>
        <source>保存しました</source>
        <translation>Saved.</translation>
    </message>
</context>
<context>
    <name>ColorPortal</name>
    <message>
        <source>画面から色を取るには、デスクトップのポータル (xdg-desktop-portal) が必要です。ポータルが見つからないか、色の取得を受け付けませんでした。</source>
        <translation>Picking a colour from the screen needs the desktop portal (xdg-desktop-portal). The portal was not found or did not accept the request.</translation>
    </message>
    <message>
        <source>デスクトップのポータルから正しい色が返りませんでした。色は変わっていません。</source>
        <translation>The desktop portal did not return a valid colour. The colour is unchanged.</translation>
    </message>
    <message>
        <source>デスクトップのポータルが60秒たっても応答しませんでした。色は変わっていません。</source>
        <translation>The desktop portal did not answer within 60 seconds. The colour is unchanged.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--format には書式が必要です</source>
        <translation>--format needs a format</translation>
    </message>
    <message>
        <source>不明な書式です: %1</source>
        <translation>unknown format: %1</translation>
    </message>
    <message>
        <source>--lang には ja か en を指定してください</source>
        <translation>--lang takes ja or en</translation>
    </message>
    <message>
        <source>不明なオプションです: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>--format は --pick と使います</source>
        <translation>--format is used with --pick</translation>
    </message>
    <message>
        <source>--pick にファイルは指定できません: %1</source>
        <translation>--pick takes no file: %1</translation>
    </message>
    <message>
        <source>開けるファイルは一つです</source>
        <translation>only one file can be opened</translation>
    </message>
    <message>
        <source>使い方: huebrook [--pick [--format 書式]] [--lang ja|en] [ファイル] | --help | --version</source>
        <translation>Usage: huebrook [--pick [--format FORMAT]] [--lang ja|en] [FILE] | --help | --version</translation>
    </message>
    <message>
        <source>  (なし)              メインウィンドウを開きます
  ファイル            .hb または .gpl のパレットをパレットエディタで開きます
  --pick              画面の色をクリックで取り、標準出力に書いて終わります
                      (Esc キーか右クリックで取り消し)
  --format 書式       --pick の書式: %1
                      (既定: hex = #RRGGBB)
  --lang ja|en        表示の言語 (既定: デスクトップの言語から)
  --help, -h          この説明を表示します
  --version           バージョンを表示します

終了コード: 0 色を取った / 1 取り消した / 2 コマンドラインの誤り / 3 取れなかった
</source>
        <translation>  (nothing)           open the main window
  FILE                open a .hb or .gpl palette in the palette editor
  --pick              pick a colour with a click, print it and exit
                      (Escape or a right click cancels)
  --format FORMAT     the format for --pick: %1
                      (default: hex = #RRGGBB)
  --lang ja|en        the interface language (default: from the desktop)
  --help, -h          show this help
  --version           show the version

Exit status: 0 picked / 1 cancelled / 2 bad command line / 3 could not pick
</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>白 %1 ／ 黒 %2</source>
        <translation>W %1 / B %2</translation>
    </message>
    <message>
        <source> ／ 現在の色と %1</source>
        <translation> / with the current colour %1</translation>
    </message>
</context>
<context>
    <name>EditorItems</name>
    <message>
        <source>改行</source>
        <translation>line breaks</translation>
    </message>
    <message>
        <source>前後の空白</source>
        <translation>leading or trailing spaces</translation>
    </message>
    <message>
        <source>ファイルに書けない文字</source>
        <translation>characters a file cannot hold</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>ファイルを開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>%1
パスが存在しません。
パスが正しいかどうかを確認してください。</source>
        <translation>%1
The path does not exist.
Check that the path is correct.</translation>
    </message>
    <message>
        <source>%1
このファイルは読み取り専用に設定されています。
別の名前を使用してください。</source>
        <translation>%1
This file is read-only.
Use another name.</translation>
    </message>
    <message>
        <source>%1 は既に存在します。
上書きしますか?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>ファイルの場所:</source>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>保存する場所:</source>
        <translation>Save in:</translation>
    </message>
    <message>
        <source>ファイル名(&amp;N):</source>
        <translation>File &amp;name:</translation>
    </message>
    <message>
        <source>ファイルの種類(&amp;T):</source>
        <translation>Files of &amp;type:</translation>
    </message>
    <message>
        <source>開く(&amp;O)</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>%1 に書き込めません</source>
        <translation>Cannot write to %1</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>PaletteFile</name>
    <message>
        <source>ファイル【%1】処理中...</source>
        <translation>Reading file [%1]...</translation>
    </message>
    <message>
        <source>プラグイン【%1】追加中...</source>
        <translation>Adding [%1]...</translation>
    </message>
    <message>
        <source>8MBを超えるため読み込めません</source>
        <translation>Over 8 MB: not read</translation>
    </message>
    <message>
        <source>先頭%1色を表示(全%2色)</source>
        <translation>First %1 of %2 colours shown</translation>
    </message>
</context>
<context>
    <name>TCommandPick</name>
    <message>
        <source>画面の入力を取れません（ほかのプログラムが使っています）</source>
        <translation>cannot take the screen&apos;s input (another program holds it)</translation>
    </message>
</context>
<context>
    <name>TCurrentColor</name>
    <message>
        <source>000000～FFFFFFの間で指定してください。</source>
        <translation>Enter a code from 000000 to FFFFFF.</translation>
    </message>
    <message>
        <source>Webセーフカラー</source>
        <translation>Web-safe colour</translation>
    </message>
    <message>
        <source>sRGB範囲外の色を範囲内に補正</source>
        <translation>Out of sRGB: brought in</translation>
    </message>
</context>
<context>
    <name>TKeepList</name>
    <message>
        <source>%1 の削除</source>
        <translation>Delete %1</translation>
    </message>
    <message>
        <source>キープデータを全クリアします
よろしいですか？</source>
        <translation>All kept colours will be cleared.
Are you sure?</translation>
    </message>
</context>
<context>
    <name>TNameIndex</name>
    <message>
        <source>＝%1</source>
        <translation>= %1</translation>
    </message>
    <message>
        <source>近い色：%1 (ΔE %2)</source>
        <translation>Near: %1 (ΔE %2)</translation>
    </message>
</context>
<context>
    <name>TVisionSimulation</name>
    <message>
        <source>P型表示</source>
        <translation>Protan view</translation>
    </message>
    <message>
        <source>D型表示</source>
        <translation>Deutan view</translation>
    </message>
    <message>
        <source>T型表示</source>
        <translation>Tritan view</translation>
    </message>
    <message>
        <source>P型</source>
        <translation>Protan</translation>
    </message>
    <message>
        <source>D型</source>
        <translation>Deutan</translation>
    </message>
    <message>
        <source>T型</source>
        <translation>Tritan</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>TX11Pick</name>
    <message>
        <source>ダイナミックキャプチャモードに入ります。
取得したい色のところにマウスカーソルをあわせ、エンターキーをおしてください。</source>
        <translation>Entering the dynamic capture mode.
Point at the colour you want and press Enter.</translation>
    </message>
</context>
<context>
    <name>TfrmCaption</name>
    <message>
        <source>色を取得したい場所をクリックしてください</source>
        <translation>Click where you want to take the colour</translation>
    </message>
</context>
<context>
    <name>TfrmEditor</name>
    <message>
        <source>色名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>キープデータを取得</source>
        <translation>Get kept colours</translation>
    </message>
    <message>
        <source>プラグインファイル読み込み</source>
        <translation>Open palette file</translation>
    </message>
    <message>
        <source>プラグインファイルの保存</source>
        <translation>Save palette file</translation>
    </message>
    <message>
        <source>プラグインエディタを閉じる</source>
        <translation>Close the editor</translation>
    </message>
    <message>
        <source>GIMPパレットに書き出し</source>
        <translation>Export GIMP palette</translation>
    </message>
    <message>
        <source>一覧をGIMPパレット(.gpl)として書き出します</source>
        <translation>Exports the list as a GIMP palette (.gpl)</translation>
    </message>
    <message>
        <source>追加・編集し、保存されたプラグインは、
再起動すると反映されます。</source>
        <translation>Palettes added, edited and saved here
appear after a restart.</translation>
    </message>
    <message>
        <source>データが編集されています。
プラグインを保存しますか？</source>
        <translation>The list has been edited.
Save the palette?</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>色名に次の文字は使えません：%1</source>
        <translation>A colour name cannot contain: %1</translation>
    </message>
    <message>
        <source>%1を削除します
よろしいですか？</source>
        <translation>%1 will be deleted.
Are you sure?</translation>
    </message>
    <message>
        <source>データがキープされていません。</source>
        <translation>No colours are kept.</translation>
    </message>
    <message>
        <source>次の色名が重複しています。</source>
        <translation>These colour names appear more than once:</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>ほか %1 件</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>同じ色名の項目は、最後の項目だけが保存されます。よろしいですか？</source>
        <translation>Of entries with the same name only the last is saved. Continue?</translation>
    </message>
    <message>
        <source>Huebrook&#x3000;プラグインファイル|*.hb|GIMPパレット(*.gpl)|*.gpl</source>
        <translation>Huebrook palette file|*.hb|GIMP palette (*.gpl)|*.gpl</translation>
    </message>
    <message>
        <source>Huebrook プラグインファイル(*.hb)|*.hb</source>
        <translation>Huebrook palette file (*.hb)|*.hb</translation>
    </message>
    <message>
        <source>GIMPパレット(*.gpl)|*.gpl</source>
        <translation>GIMP palette (*.gpl)|*.gpl</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>起動中...</source>
        <translation>Starting...</translation>
    </message>
    <message>
        <source>HBファイル検索中...</source>
        <translation>Looking for palettes...</translation>
    </message>
    <message>
        <source>キープデータ読み込み...</source>
        <translation>Reading kept colours...</translation>
    </message>
    <message>
        <source>設定完了...</source>
        <translation>Ready...</translation>
    </message>
    <message>
        <source>【キープデータ】</source>
        <translation>[Kept colours]</translation>
    </message>
    <message>
        <source>【履歴データ】</source>
        <translation>[History]</translation>
    </message>
    <message>
        <source>キープデータを保存せずに終了しますか？</source>
        <translation>Exit without saving the kept colours?</translation>
    </message>
    <message>
        <source>カラーイメージファイル</source>
        <translation>Colour image file</translation>
    </message>
    <message>
        <source>カラーコードをクリップボードに出力</source>
        <translation>Copy colour code to clipboard</translation>
    </message>
    <message>
        <source>カラーイメージ出力</source>
        <translation>Colour image</translation>
    </message>
    <message>
        <source>16進</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>色コード【ＨＴＭＬコード用】出力</source>
        <translation>Colour code [HTML]</translation>
    </message>
    <message>
        <source>色コード【ＶＢコード用】出力</source>
        <translation>Colour code [VB]</translation>
    </message>
    <message>
        <source>ファイルに出力</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>キープ・パレットエディタの起動</source>
        <translation>Palette editor</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>キープ・パレット</source>
        <translation>Kept / Palettes</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>画面から色を取得</source>
        <translation>From the screen</translation>
    </message>
    <message>
        <source>スポイトを、色を取得したいところまでドラッグ＆ドロップしてください</source>
        <translation>Drag the eyedropper to where you want to take the colour</translation>
    </message>
    <message>
        <source>色値の取得</source>
        <translation>Take colour</translation>
    </message>
    <message>
        <source>スタティックキャプチャ</source>
        <translation>Still capture</translation>
    </message>
    <message>
        <source>ダイナミックキャプチャ</source>
        <translation>Dynamic capture</translation>
    </message>
    <message>
        <source>16進数</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>読込み</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>24色相環 オプション表示</source>
        <translation>24-hue wheel schemes</translation>
    </message>
    <message>
        <source>無し</source>
        <translation>None</translation>
    </message>
    <message>
        <source>隣接色相配色</source>
        <translation>Adjacent</translation>
    </message>
    <message>
        <source>類似色相配色</source>
        <translation>Analogous</translation>
    </message>
    <message>
        <source>中差色相配色</source>
        <translation>Intermediate</translation>
    </message>
    <message>
        <source>対照色相配色</source>
        <translation>Contrasting</translation>
    </message>
    <message>
        <source>補色色相配色</source>
        <translation>Complementary</translation>
    </message>
    <message>
        <source>Webセーフカラー</source>
        <translation>Web-safe colour</translation>
    </message>
    <message>
        <source>ビットマップファイル(*.bmp)|*.bmp|JPEGファイル(*.jpg)|*.jpg</source>
        <translation>Bitmap file (*.bmp)|*.bmp|JPEG file (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>クリップボードに出力</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>色コード【ＲＧＢ】出力</source>
        <translation>Colour code [RGB]</translation>
    </message>
    <message>
        <source>色コード【１６進】出力</source>
        <translation>Colour code [hex]</translation>
    </message>
    <message>
        <source>0～1 の小数 (R, G, B)</source>
        <translation>Fractions 0-1 (R, G, B)</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>P型</source>
        <translation>Protan</translation>
    </message>
    <message>
        <source>D型</source>
        <translation>Deutan</translation>
    </message>
    <message>
        <source>T型</source>
        <translation>Tritan</translation>
    </message>
    <message>
        <source>色覚シミュレーション</source>
        <translation>Colour vision</translation>
    </message>
</context>
<context>
    <name>TfrmVersion</name>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>アイコン画像：</source>
        <translation>Icons:</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <source>情報の取得に失敗しました</source>
        <translation>Could not read the version information</translation>
    </message>
</context>
</TS>
