<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="ko_KR">
<context>
    <name>Localizable_R640</name>
    <message>
        <source>메모리카드 오류</source>
        <translation>メモリーカードエラー</translation>
    </message>
    <message>
        <source>메모리카드를 확인하여 주시기 바랍니다.</source>
        <translation>メモリーカードを確認してください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>언어</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>영어</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>프랑스어</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>일본어</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>속도 단위</source>
        <translation>速度単位</translation>
    </message>
    <message>
        <source>KM/H</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>MPH</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>파일_전체</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>파일_상시</source>
        <translation>常時</translation>
    </message>
    <message>
        <source>파일_모션</source>
        <translation>モーション</translation>
    </message>
    <message>
        <source>파일_이벤트</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>파일_수동</source>
        <translation>手動</translation>
    </message>
    <message>
        <source>플래시 메모리를 선택해주세요.</source>
        <translation>メモリーカードを選択してください。</translation>
    </message>
    <message>
        <source>오스트레보 블랙박스 정보를 읽을 수 없습니다.
모델명을 선택하면 기본 설정 값을 적용 할 수 있습니다.</source>
        <translation>ドライブレコーダーの情報を読み取れません。
モデル名を選択すると、初期設定値を適用できます。</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>열기</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>지원하지 않는 형식으로 인코딩된 동영상입니다.</source>
        <translation>サポートされていない形式でエンコードされた動画です。</translation>
    </message>
    <message>
        <source>저장</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>블랙박스 설정</source>
        <translation>ドライブレコーダー設定</translation>
    </message>
    <message>
        <source>설정값 초기화</source>
        <translation>初期設定に戻す</translation>
    </message>
    <message>
        <source>아니오</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>예</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.</source>
        <translation>メモリーカードをフォーマットできません。</translation>
    </message>
    <message>
        <source>메모리 카드 포멧</source>
        <translation>メモリーカードのフォーマット</translation>
    </message>
    <message>
        <source>주의 : 포맷 시 메모리 카드의 모든 데이터가 삭제됩니다. &#13;
포맷하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오.</source>
        <translation>注意：フォーマットすると、メモリーカードのすべてのデータが削除されます。
フォーマットする場合は「はい」を、キャンセルする場合は「いいえ」を選択してください。</translation>
    </message>
    <message>
        <source>포맷 중 입니다.&#13;
잠시만 기다려 주십시오.</source>
        <translation>フォーマット中です。
しばらくお待ちください。</translation>
    </message>
    <message>
        <source>메모리 카드 포맷이 완료 되었습니다.</source>
        <translation>メモリーカードのフォーマットが完了しました。</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.&#13;
&#13;
CAR VIEWR에서 동영상을 재생 중이거나 GPS 데이터를 수집중인 경우&#13;
CAR VIEWER를 종료하고 다시 포맷하십시오.&#13;
메모리카드를 사용하고 있는 디스크 유틸리티나 다른 프로그램을 종료하고&#13;
메모리카드의 내용을 표시하고 있는 창이 없는지 확인한 다음 다시 포맷하십시오.</source>
        <translation>メモリーカードをフォーマットできません。

Drovik Viewerで動画を再生中、またはGPSデータを収集中の場合は、
Drovik Viewerを終了してから再度フォーマットしてください。
メモリーカードを使用しているディスクユーティリティやその他のプログラムを終了し、
メモリーカードの内容を表示しているウインドウがないことを確認してから、再度フォーマットしてください。</translation>
    </message>
    <message>
        <source>초기화하기</source>
        <translation>初期化</translation>
    </message>
    <message>
        <source>주의 : 현재 설정된 화면 터치 정확도 값이 초기화 됩니다.&#13;
초기화하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오.</source>
        <translation>注意：現在設定されているタッチ画面の精度（キャリブレーション）が初期化されます。
初期化する場合は「はい」を、キャンセルする場合は「いいえ」を選択してください。</translation>
    </message>
    <message>
        <source>화면 터치 정확도 초기화가 완료되었습니다.</source>
        <translation>タッチ画面の精度の初期化が完了しました。</translation>
    </message>
    <message>
        <source>사용함</source>
        <translation>使用する</translation>
    </message>
    <message>
        <source>사용 안함</source>
        <translation>使用しない</translation>
    </message>
    <message>
        <source>어둡게</source>
        <translation>暗く</translation>
    </message>
    <message>
        <source>밝게</source>
        <translation>明るく</translation>
    </message>
    <message>
        <source>mph</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>kph</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>YYYY-MM-DD</translation>
    </message>
    <message>
        <source>MMM-dd-yyyy</source>
        <translation>MMM-DD-YYYY</translation>
    </message>
    <message>
        <source>2분 후</source>
        <translation>2分後</translation>
    </message>
    <message>
        <source>5분 후</source>
        <translation>5分後</translation>
    </message>
    <message>
        <source>10분 후</source>
        <translation>10分後</translation>
    </message>
    <message>
        <source>V820 : 30초 후</source>
        <translation>30秒後</translation>
    </message>
    <message>
        <source>V820 : 10분 후</source>
        <translation>10分後</translation>
    </message>
    <message>
        <source>고정 15fps</source>
        <translation>15fps固定</translation>
    </message>
    <message>
        <source>고정 30fps</source>
        <translation>30fps固定</translation>
    </message>
    <message>
        <source>낮음</source>
        <translation>低</translation>
    </message>
    <message>
        <source>보통</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>높음</source>
        <translation>高</translation>
    </message>
    <message>
        <source>세단</source>
        <translation>セダン</translation>
    </message>
    <message>
        <source>SUV</source>
        <translation>SUV</translation>
    </message>
    <message>
        <source>트럭 (버스)</source>
        <translation>トラック（バス）</translation>
    </message>
    <message>
        <source>주차모션</source>
        <translation>駐車モーション</translation>
    </message>
    <message>
        <source>타임랩스</source>
        <translation>タイムラプス</translation>
    </message>
    <message>
        <source>모드 1</source>
        <translation>モード1</translation>
    </message>
    <message>
        <source>모드 2</source>
        <translation>モード2</translation>
    </message>
    <message>
        <source>모드 3</source>
        <translation>モード3</translation>
    </message>
    <message>
        <source>A Type(권장)</source>
        <translation>タイプA（推奨）</translation>
    </message>
    <message>
        <source>B Type</source>
        <translation>タイプB</translation>
    </message>
    <message>
        <source>C Type</source>
        <translation>タイプC</translation>
    </message>
    <message>
        <source>주차모드</source>
        <translation>駐車モード</translation>
    </message>
    <message>
        <source>주차모션 선택 시,
타임랩스 영상이 삭제되고 주차모션 영상이 저장됩니다.
적용하시겠습니까?</source>
        <translation>駐車モーションを選択すると、
タイムラプス映像が削除され、駐車モーション映像が保存されます。
適用しますか？</translation>
    </message>
    <message>
        <source>타임랩스 선택 시 
주차모션 영상이 삭제되고 주차모드 및 주차충격 영상이 타임랩스로 저장됩니다.
적용하시겠습니까?</source>
        <translation>タイムラプスを選択すると、
駐車モーション映像が削除され、駐車モードおよび駐車衝撃の映像はタイムラプスで保存されます。
適用しますか？</translation>
    </message>
    <message>
        <source>주차모드를 사용하지 않는 경우,
차량 시동이 꺼지면 주차 중 녹화가 되지 않습니다.
주차모드 사용을 해제 하시겠습니까?</source>
        <translation>駐車モードを使用しない場合、
車両のエンジンを切ると、駐車中の録画が行われません。
駐車モードをオフにしますか？</translation>
    </message>
    <message>
        <source>공통</source>
        <translation>共通</translation>
    </message>
    <message>
        <source>상시모드</source>
        <translation>常時モード</translation>
    </message>
    <message>
        <source>부가기능</source>
        <translation>付加機能</translation>
    </message>
    <message>
        <source>밝기</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>전방</source>
        <translation>フロント</translation>
    </message>
    <message>
        <source>후방</source>
        <translation>リア</translation>
    </message>
    <message>
        <source>음성녹음</source>
        <translation>音声録音</translation>
    </message>
    <message>
        <source>음성 멘트</source>
        <translation>音声案内</translation>
    </message>
    <message>
        <source>볼륨</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>시간설정</source>
        <translation>時刻設定</translation>
    </message>
    <message>
        <source>현재 시간 가져오기</source>
        <translation>現在時刻を取得</translation>
    </message>
    <message>
        <source>표준시간대</source>
        <translation>タイムゾーン</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>サマータイム</translation>
    </message>
    <message>
        <source>설정</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>해제</source>
        <translation>解除</translation>
    </message>
    <message>
        <source>비디오 날짜 형식</source>
        <translation>動画の日付形式</translation>
    </message>
    <message>
        <source>e.g.)</source>
        <translation>例：</translation>
    </message>
    <message>
        <source>속도표시</source>
        <translation>速度表示</translation>
    </message>
    <message>
        <source>안전운행 구간 음성 안내</source>
        <translation>安全運転区間の音声案内</translation>
    </message>
    <message>
        <source>LCD 화면 밝기</source>
        <translation>液晶画面の明るさ</translation>
    </message>
    <message>
        <source>어두움</source>
        <translation>暗い</translation>
    </message>
    <message>
        <source>밝음</source>
        <translation>明るい</translation>
    </message>
    <message>
        <source>LCD 자동 꺼짐</source>
        <translation>液晶画面の自動オフ</translation>
    </message>
    <message>
        <source>영상 속도 정보 표출</source>
        <translation>映像への速度表示</translation>
    </message>
    <message>
        <source>영상 해상도</source>
        <translation>映像解像度</translation>
    </message>
    <message>
        <source>프레임 수</source>
        <translation>フレームレート</translation>
    </message>
    <message>
        <source>영상 화질</source>
        <translation>画質</translation>
    </message>
    <message>
        <source>충격 감도</source>
        <translation>衝撃感度</translation>
    </message>
    <message>
        <source>둔감</source>
        <translation>鈍感</translation>
    </message>
    <message>
        <source>민감</source>
        <translation>敏感</translation>
    </message>
    <message>
        <source>V820 : 안전운행 구간 음성 안내</source>
        <translation>安全運転区間の音声案内</translation>
    </message>
    <message>
        <source>역광보정 기능(WDR)</source>
        <translation>逆光補正機能（WDR）</translation>
    </message>
    <message>
        <source>차량 종류</source>
        <translation>車種</translation>
    </message>
    <message>
        <source>차선이탈 경보</source>
        <translation>車線逸脱警報</translation>
    </message>
    <message>
        <source>차선이탈 민감도</source>
        <translation>車線逸脱警報の感度</translation>
    </message>
    <message>
        <source>왼쪽</source>
        <translation>左</translation>
    </message>
    <message>
        <source>오른쪽</source>
        <translation>右</translation>
    </message>
    <message>
        <source>차선이탈 감지 속도</source>
        <translation>車線逸脱の検知速度</translation>
    </message>
    <message>
        <source>전방 추돌 경보</source>
        <translation>前方衝突警報</translation>
    </message>
    <message>
        <source>전방 추돌 민감도</source>
        <translation>前方衝突警報の感度</translation>
    </message>
    <message>
        <source>앞차 출발 알림</source>
        <translation>前方車両発進通知</translation>
    </message>
    <message>
        <source>이동식 단속 구간 안내</source>
        <translation>移動式取締り区間の案内</translation>
    </message>
    <message>
        <source>(시동이 꺼지면 주차 녹화 모드로 전환합니다</source>
        <translation>（エンジンを切ると駐車録画モードに切り替わります）</translation>
    </message>
    <message>
        <source>(시동이 꺼지면 블랙박스를 종료합니다</source>
        <translation>（エンジンを切るとドライブレコーダーを終了します）</translation>
    </message>
    <message>
        <source>슈퍼 나이트 비전</source>
        <translation>スーパーナイトビジョン</translation>
    </message>
    <message>
        <source>모션 감지</source>
        <translation>モーション検知</translation>
    </message>
    <message>
        <source>녹화 종료 타이머 설정</source>
        <translation>録画終了タイマー設定</translation>
    </message>
    <message>
        <source>시간</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>녹화 종료 전압 설정</source>
        <translation>録画終了電圧設定</translation>
    </message>
    <message>
        <source>차량전압 12V</source>
        <translation>車両電圧 12V</translation>
    </message>
    <message>
        <source>차량전압 24V</source>
        <translation>車両電圧 24V</translation>
    </message>
    <message>
        <source>녹화 영상 별 덮어쓰기</source>
        <translation>録画種類ごとの上書き</translation>
    </message>
    <message>
        <source>상시 녹화</source>
        <translation>常時録画</translation>
    </message>
    <message>
        <source>상시 충격</source>
        <translation>常時衝撃</translation>
    </message>
    <message>
        <source>주차 모션</source>
        <translation>駐車モーション</translation>
    </message>
    <message>
        <source>주차 충격</source>
        <translation>駐車衝撃</translation>
    </message>
    <message>
        <source>수동 녹화</source>
        <translation>手動録画</translation>
    </message>
    <message>
        <source>시큐리티 LED</source>
        <translation>セキュリティLED</translation>
    </message>
    <message>
        <source>녹화모드에 따라 다르게</source>
        <translation>録画モードにより異なる</translation>
    </message>
    <message>
        <source>회전</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Left-Right</source>
        <translation>左右</translation>
    </message>
    <message>
        <source>Blinking</source>
        <translation>点滅</translation>
    </message>
    <message>
        <source>메모리 파티션</source>
        <translation>メモリーパーティション</translation>
    </message>
    <message>
        <source>상시녹화</source>
        <translation>常時録画</translation>
    </message>
    <message>
        <source>상시충격</source>
        <translation>常時衝撃</translation>
    </message>
    <message>
        <source>주차충격</source>
        <translation>駐車衝撃</translation>
    </message>
    <message>
        <source>수동녹화</source>
        <translation>手動録画</translation>
    </message>
    <message>
        <source>포멧하기</source>
        <translation>フォーマット</translation>
    </message>
    <message>
        <source>화면 터치 정확도 초기화</source>
        <translation>タッチ画面精度の初期化</translation>
    </message>
    <message>
        <source>(UTC-10:00) Hawaii</source>
        <translation>(UTC-10:00) ハワイ</translation>
    </message>
    <message>
        <source>(UTC-09:00) Alaska</source>
        <translation>(UTC-09:00) アラスカ</translation>
    </message>
    <message>
        <source>(UTC-08:00) Pacific Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-08:00) 太平洋標準時 (米国およびカナダ)</translation>
    </message>
    <message>
        <source>(UTC-07:00) Mountain Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-07:00) 山地標準時 (米国およびカナダ)</translation>
    </message>
    <message>
        <source>(UTC-06:00) Central Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-06:00) 中部標準時 (米国およびカナダ)</translation>
    </message>
    <message>
        <source>(UTC-05:00) Eastern Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-05:00) 東部標準時 (米国およびカナダ)</translation>
    </message>
    <message>
        <source>(UTC-04:00) Atlantic  Standard Time (Canada)</source>
        <translation>(UTC-04:00) 大西洋標準時 (カナダ)</translation>
    </message>
    <message>
        <source>(UTC) Greenwich</source>
        <translation>(UTC) グリニッジ標準時</translation>
    </message>
    <message>
        <source>(UTC+01:00) Brussels, Copenhagen, Madrid, Paris</source>
        <translation>(UTC+01:00) ブリュッセル、コペンハーゲン、マドリード、パリ</translation>
    </message>
    <message>
        <source>(UTC+08:00) Kuala Lumpur, Singapore</source>
        <translation>(UTC+08:00) クアラルンプール、シンガポール</translation>
    </message>
    <message>
        <source>(UTC+09:30) Adelaide</source>
        <translation>(UTC+09:30) アデレード</translation>
    </message>
    <message>
        <source>(UTC+10:00) Canberra, Melbourne, Sidney</source>
        <translation>(UTC+10:00) キャンベラ、メルボルン、シドニー</translation>
    </message>
    <message>
        <source>N260 : 사용 안 함</source>
        <translation>使用しない</translation>
    </message>
    <message>
        <source>N260 : 사용 함</source>
        <translation>使用する</translation>
    </message>
    <message>
        <source>N260 : 메모리 파티션</source>
        <translation>メモリーパーティション</translation>
    </message>
    <message>
        <source>N260 : 상시녹화</source>
        <translation>常時録画</translation>
    </message>
    <message>
        <source>N260 : 주차녹화</source>
        <translation>駐車録画</translation>
    </message>
    <message>
        <source>N260 : 이벤트녹화</source>
        <translation>イベント録画</translation>
    </message>
    <message>
        <source>N260 : 수동녹화</source>
        <translation>手動録画</translation>
    </message>
    <message>
        <source>N260 : 자동주차모드</source>
        <translation>自動駐車モード</translation>
    </message>
    <message>
        <source>N260 : 녹화종료전압</source>
        <translation>録画終了電圧</translation>
    </message>
    <message>
        <source>N260 : 날짜 / 시간</source>
        <translation>日付 / 時刻</translation>
    </message>
    <message>
        <source>N260 : 표준 시간대</source>
        <translation>タイムゾーン</translation>
    </message>
    <message>
        <source>N260 : Daylight Saving Time</source>
        <translation>サマータイム</translation>
    </message>
    <message>
        <source>N260 : 음성녹음</source>
        <translation>音声録音</translation>
    </message>
    <message>
        <source>N260 : 음성안내</source>
        <translation>音声案内</translation>
    </message>
    <message>
        <source>N260 : 작게</source>
        <translation>小</translation>
    </message>
    <message>
        <source>N260 : 크게</source>
        <translation>大</translation>
    </message>
    <message>
        <source>N260 : 충격감도</source>
        <translation>衝撃感度</translation>
    </message>
    <message>
        <source>N260 : 둔감</source>
        <translation>鈍感</translation>
    </message>
    <message>
        <source>N260 : 민감</source>
        <translation>敏感</translation>
    </message>
    <message>
        <source>N260 : 모션인식감도</source>
        <translation>モーション検知感度</translation>
    </message>
    <message>
        <source>N260 : 펌웨어 버전</source>
        <translation>ファームウェアバージョン</translation>
    </message>
    <message>
        <source>N260 : Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>N260 : Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a save or print that failed.</extracomment>
        <source>스냅샷을 저장하지 못했습니다.</source>
        <translation>スナップショットを保存できませんでした。</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a save or print that failed.</extracomment>
        <source>인쇄하지 못했습니다.</source>
        <translation>画像を印刷できませんでした。</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a save or print that failed.</extracomment>
        <source>파일을 저장하지 못했습니다.</source>
        <translation>ファイルを保存できませんでした。</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a save or print that failed.</extracomment>
        <source>표시된 화면이 없습니다.</source>
        <translation>表示中の画像がありません。</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a G-force event's kind</extracomment>
        <source>Harsh braking</source>
        <translation>急ブレーキ</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a G-force event's kind</extracomment>
        <source>Harsh acceleration</source>
        <translation>急加速</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a G-force event's kind</extracomment>
        <source>Sharp cornering</source>
        <translation>急旋回</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a G-force event's kind</extracomment>
        <source>Impact</source>
        <translation>衝撃</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the jump buttons' tooltips</extracomment>
        <source>Previous G-force event (Page Up)</source>
        <translation>前のGセンサーイベント (Page Up)</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the jump buttons' tooltips</extracomment>
        <source>Next G-force event (Page Down)</source>
        <translation>次のGセンサーイベント (Page Down)</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the map legend's start of the route</extracomment>
        <source>Start</source>
        <translation>出発</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the map legend's end of the route</extracomment>
        <source>End</source>
        <translation>到着</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the playback speed button's tooltip</extracomment>
        <source>Playback speed (] faster, [ slower, Backspace normal)</source>
        <translation>再生速度（] 速く、[ 遅く、Backspace 標準）</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the track export button's title</extracomment>
        <source>Export Track</source>
        <translation>トラックを書き出す</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export button's title</extracomment>
        <source>Export Incident</source>
        <translation>インシデントを書き出す</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the track export button's tooltip</extracomment>
        <source>Export Track…</source>
        <translation>トラックを書き出す…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export button's tooltip</extracomment>
        <source>Export Incident…</source>
        <translation>インシデントを書き出す…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: an export that failed</extracomment>
        <source>The track could not be exported.</source>
        <translation>トラックを書き出せませんでした。</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export in progress</extracomment>
        <source>Exporting the incident…</source>
        <translation>インシデントを書き出しています…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export's outcome</extracomment>
        <source>The incident was exported.</source>
        <translation>インシデントを書き出しました。</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export's outcome</extracomment>
        <source>The incident could not be exported.</source>
        <translation>インシデントを書き出せませんでした。</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export's outcome</extracomment>
        <source>Open Folder</source>
        <translation>フォルダを開く</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a group of the keyboard shortcuts window</extracomment>
        <source>Playback</source>
        <translation>再生</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Play or Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Previous Frame</source>
        <translation>前のフレーム</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Next Frame</source>
        <translation>次のフレーム</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Previous Clip</source>
        <translation>前のクリップ</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Next Clip</source>
        <translation>次のクリップ</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Slower</source>
        <translation>遅く</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Faster</source>
        <translation>速く</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Normal Speed</source>
        <translation>標準速度</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Previous G-Force Event</source>
        <translation>前の衝撃イベント</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Next G-Force Event</source>
        <translation>次の衝撃イベント</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Sound On or Off</source>
        <translation>音声オン/オフ</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Volume Up</source>
        <translation>音量を上げる</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Volume Down</source>
        <translation>音量を下げる</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a group of the keyboard shortcuts window</extracomment>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Zoom In</source>
        <translation>拡大</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Actual Size (1:1)</source>
        <translation>実寸 (1:1)</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Pan the Zoomed Picture</source>
        <translation>拡大画像を移動</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Mirror the Pictures</source>
        <translation>映像を反転</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Swap Front and Rear</source>
        <translation>前方と後方を入れ替え</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Full Screen</source>
        <translation>全画面表示</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Leave Full Screen</source>
        <translation>全画面表示を終了</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a group of the keyboard shortcuts window</extracomment>
        <source>Clips and Evidence</source>
        <translation>クリップと証拠</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Choose Folder…</source>
        <translation>フォルダを選択…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Choose a Clip in the List</source>
        <translation>リストでクリップを選択</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Play the Chosen Clip</source>
        <translation>選択したクリップを再生</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Save a Still…</source>
        <translation>静止画を保存…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Print…</source>
        <translation>印刷…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Save a Copy of the Clip…</source>
        <translation>クリップのコピーを保存…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a group of the keyboard shortcuts window</extracomment>
        <source>Window</source>
        <translation>ウインドウ</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Camera Settings…</source>
        <translation>カメラの設定…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Minimise</source>
        <translation>しまう</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Quit %1</source>
        <translation>%1 を終了</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>The camera's built-in settings, written to the card with OK</source>
        <translation>カメラの初期設定（OK でカードに書き込み）</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>Write these settings to the card</source>
        <translation>この設定をカードに書き込む</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>Close without writing anything</source>
        <translation>何も書き込まずに閉じる</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>Back to the List</source>
        <translation>リストに戻る</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>Erase the memory card, after asking</source>
        <translation>確認後にメモリーカードを消去</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>Continue with this choice</source>
        <translation>この選択で続ける</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the card error: the card went away</extracomment>
        <source>The memory card cannot be found.</source>
        <translation>メモリーカードが見つかりません。</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the card error: the model has no settings record</extracomment>
        <source>This camera model has no settings file to write.</source>
        <translation>このカメラのモデルには書き込む設定ファイルがありません。</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the card error: the settings file could not be read</extracomment>
        <source>The settings file on the card could not be read.</source>
        <translation>カードの設定ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the card error: the card is write-protected or mounted read-only</extracomment>
        <source>The card is read-only.</source>
        <translation>カードは読み取り専用です。</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the unsupported-video alert: neither ffmpeg nor the player could read the file</extracomment>
        <source>This file is not a video that can be played.</source>
        <translation>このファイルは再生できる動画ではありません。</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the unsupported-video alert: the card was pulled or the file rewritten</extracomment>
        <source>The file went away or changed while it was read.</source>
        <translation>ファイルが読み込み中に消えたか、変更されました。</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the unsupported-video alert: the folder for converted clips cannot be made</extracomment>
        <source>The working folder cannot be written.</source>
        <translation>作業フォルダーに書き込めません。</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the main window</extracomment>
        <source>Playback Speed</source>
        <translation>再生速度</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the main window</extracomment>
        <source>List Every Clip</source>
        <translation>すべてのクリップを表示</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the main window</extracomment>
        <source>List Only the Clips of This Kind</source>
        <translation>この種類のクリップだけを表示</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Trips</source>
        <translation>走行</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Trips…</source>
        <translation>走行…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Start – End</source>
        <translation>開始 – 終了</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Duration</source>
        <translation>時間</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Top Speed</source>
        <translation>最高速度</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>G-Force Events</source>
        <translation>衝撃イベント</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Clips</source>
        <translation>クリップ</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Parked</source>
        <translation>駐車中</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Reading the clips' telemetry…</source>
        <translation>クリップのデータを読み込み中…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Double-click a trip to play it.</source>
        <translation>走行をダブルクリックすると再生します。</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the command that shows the clip list grouped by trip, with a header per trip</extracomment>
        <source>Show the List by Trip</source>
        <translation>トリップごとにリストを表示</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a trip header for clips whose names carry no date</extracomment>
        <source>No time</source>
        <translation>時刻なし</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: column heading of the trip's statistics</extracomment>
        <source>Trip</source>
        <translation>トリップ</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: column heading of the playing clip's statistics</extracomment>
        <source>This Clip</source>
        <translation>このクリップ</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: statistics row, the distance driven</extracomment>
        <source>Distance</source>
        <translation>距離</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: statistics row, the time the car moved</extracomment>
        <source>Moving Time</source>
        <translation>走行時間</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: statistics row, the mean speed while moving</extracomment>
        <source>Average Moving Speed</source>
        <translation>平均走行速度</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: tooltip of the trip gap setting</extracomment>
        <source>The longest pause between two clips of one trip</source>
        <translation>1つのトリップ内のクリップ間の最大の間隔</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: label of the trip gap setting</extracomment>
        <source>Gap between trips:</source>
        <translation>トリップの区切り:</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: button that saves the chosen trip's track</extracomment>
        <source>Export Trip…</source>
        <translation>トリップを書き出す…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: alert when a trip's track could not be written</extracomment>
        <source>The trip's track could not be saved.</source>
        <translation>トリップの軌跡を保存できませんでした。</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trip's timeline and speed chart, on hover: which clip of the trip and which time in it lie under the pointer (%1 the clip's number, %2 the trip's clip count, %3 the time in the clip)</extracomment>
        <source>Clip %1 of %2 · %3</source>
        <translation>クリップ %1/%2 · %3</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trip's speed chart when none of its clips recorded a GPS speed</extracomment>
        <source>No speed recorded</source>
        <translation>速度の記録がありません</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the application menu item that forgets the recent folders which are no longer there</extracomment>
        <source>Clear Missing Folders</source>
        <translation>見つからないフォルダを消去</translation>
    </message>
</context>
</TS>
