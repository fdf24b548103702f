<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="ko_KR">
<context>
    <name>Localizable_R640</name>
    <message>
        <source>메모리카드 오류</source>
        <translation>Erreur de carte mémoire</translation>
    </message>
    <message>
        <source>메모리카드를 확인하여 주시기 바랍니다.</source>
        <translation>Veuillez vérifier la carte mémoire.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>언어</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>영어</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>프랑스어</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>일본어</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>속도 단위</source>
        <translation>Unité de vitesse</translation>
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
        <translation>Tous</translation>
    </message>
    <message>
        <source>파일_상시</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>파일_모션</source>
        <translation>Mouvement</translation>
    </message>
    <message>
        <source>파일_이벤트</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>파일_수동</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>플래시 메모리를 선택해주세요.</source>
        <translation>Veuillez sélectionner la carte mémoire.</translation>
    </message>
    <message>
        <source>오스트레보 블랙박스 정보를 읽을 수 없습니다.
모델명을 선택하면 기본 설정 값을 적용 할 수 있습니다.</source>
        <translation>Impossible de lire les informations de la caméra embarquée.
Sélectionnez le nom du modèle pour appliquer les réglages par défaut.</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>열기</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>지원하지 않는 형식으로 인코딩된 동영상입니다.</source>
        <translation>Cette vidéo est encodée dans un format non pris en charge.</translation>
    </message>
    <message>
        <source>저장</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>블랙박스 설정</source>
        <translation>Réglages de la caméra embarquée</translation>
    </message>
    <message>
        <source>설정값 초기화</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>아니오</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>예</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.</source>
        <translation>Impossible de formater la carte mémoire.</translation>
    </message>
    <message>
        <source>메모리 카드 포멧</source>
        <translation>Formatage de la carte mémoire</translation>
    </message>
    <message>
        <source>주의 : 포맷 시 메모리 카드의 모든 데이터가 삭제됩니다. &#13;
포맷하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오.</source>
        <translation>Attention : le formatage efface toutes les données de la carte mémoire.
Sélectionnez « Oui » pour formater ou « Non » pour annuler.</translation>
    </message>
    <message>
        <source>포맷 중 입니다.&#13;
잠시만 기다려 주십시오.</source>
        <translation>Formatage en cours…
Veuillez patienter.</translation>
    </message>
    <message>
        <source>메모리 카드 포맷이 완료 되었습니다.</source>
        <translation>Le formatage de la carte mémoire est terminé.</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.&#13;
&#13;
CAR VIEWR에서 동영상을 재생 중이거나 GPS 데이터를 수집중인 경우&#13;
CAR VIEWER를 종료하고 다시 포맷하십시오.&#13;
메모리카드를 사용하고 있는 디스크 유틸리티나 다른 프로그램을 종료하고&#13;
메모리카드의 내용을 표시하고 있는 창이 없는지 확인한 다음 다시 포맷하십시오.</source>
        <translation>Impossible de formater la carte mémoire.

Si Drovik Viewer lit une vidéo ou collecte des données GPS,
quittez Drovik Viewer et relancez le formatage.
Quittez l’utilitaire de disque ou tout autre programme qui utilise la carte mémoire,
vérifiez qu’aucune fenêtre n’affiche le contenu de la carte mémoire, puis relancez le formatage.</translation>
    </message>
    <message>
        <source>초기화하기</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>주의 : 현재 설정된 화면 터치 정확도 값이 초기화 됩니다.&#13;
초기화하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오.</source>
        <translation>Attention : l’étalonnage actuel de l’écran tactile va être réinitialisé.
Sélectionnez « Oui » pour réinitialiser ou « Non » pour annuler.</translation>
    </message>
    <message>
        <source>화면 터치 정확도 초기화가 완료되었습니다.</source>
        <translation>L’étalonnage de l’écran tactile a été réinitialisé.</translation>
    </message>
    <message>
        <source>사용함</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>사용 안함</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>어둡게</source>
        <translation>Plus sombre</translation>
    </message>
    <message>
        <source>밝게</source>
        <translation>Plus clair</translation>
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
        <translation>AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>MMM-dd-yyyy</source>
        <translation>MMM-JJ-AAAA</translation>
    </message>
    <message>
        <source>2분 후</source>
        <translation>Après 2 min</translation>
    </message>
    <message>
        <source>5분 후</source>
        <translation>Après 5 min</translation>
    </message>
    <message>
        <source>10분 후</source>
        <translation>Après 10 min</translation>
    </message>
    <message>
        <source>V820 : 30초 후</source>
        <translation>Après 30 s</translation>
    </message>
    <message>
        <source>V820 : 10분 후</source>
        <translation>Après 10 min</translation>
    </message>
    <message>
        <source>고정 15fps</source>
        <translation>15 fps fixe</translation>
    </message>
    <message>
        <source>고정 30fps</source>
        <translation>30 fps fixe</translation>
    </message>
    <message>
        <source>낮음</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>보통</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>높음</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>세단</source>
        <translation>Berline</translation>
    </message>
    <message>
        <source>SUV</source>
        <translation>SUV</translation>
    </message>
    <message>
        <source>트럭 (버스)</source>
        <translation>Camion (bus)</translation>
    </message>
    <message>
        <source>주차모션</source>
        <translation>Mouvement en stationnement</translation>
    </message>
    <message>
        <source>타임랩스</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>모드 1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>모드 2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>모드 3</source>
        <translation>Mode 3</translation>
    </message>
    <message>
        <source>A Type(권장)</source>
        <translation>Type A (recommandé)</translation>
    </message>
    <message>
        <source>B Type</source>
        <translation>Type B</translation>
    </message>
    <message>
        <source>C Type</source>
        <translation>Type C</translation>
    </message>
    <message>
        <source>주차모드</source>
        <translation>Mode stationnement</translation>
    </message>
    <message>
        <source>주차모션 선택 시,
타임랩스 영상이 삭제되고 주차모션 영상이 저장됩니다.
적용하시겠습니까?</source>
        <translation>Si vous choisissez Mouvement en stationnement,
les vidéos en time-lapse seront supprimées et les vidéos de mouvement en stationnement seront enregistrées.
Voulez-vous appliquer ce réglage ?</translation>
    </message>
    <message>
        <source>타임랩스 선택 시 
주차모션 영상이 삭제되고 주차모드 및 주차충격 영상이 타임랩스로 저장됩니다.
적용하시겠습니까?</source>
        <translation>Si vous choisissez Time-lapse,
les vidéos de mouvement en stationnement seront supprimées, et les vidéos du mode stationnement et de choc en stationnement seront enregistrées en time-lapse.
Voulez-vous appliquer ce réglage ?</translation>
    </message>
    <message>
        <source>주차모드를 사용하지 않는 경우,
차량 시동이 꺼지면 주차 중 녹화가 되지 않습니다.
주차모드 사용을 해제 하시겠습니까?</source>
        <translation>Si le mode stationnement est désactivé,
aucun enregistrement n’a lieu pendant le stationnement une fois le moteur coupé.
Voulez-vous désactiver le mode stationnement ?</translation>
    </message>
    <message>
        <source>공통</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>상시모드</source>
        <translation>Mode continu</translation>
    </message>
    <message>
        <source>부가기능</source>
        <translation>Fonctions supplémentaires</translation>
    </message>
    <message>
        <source>밝기</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>전방</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>후방</source>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>음성녹음</source>
        <translation>Enregistrement audio</translation>
    </message>
    <message>
        <source>음성 멘트</source>
        <translation>Guidage vocal</translation>
    </message>
    <message>
        <source>볼륨</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>시간설정</source>
        <translation>Réglage de l’heure</translation>
    </message>
    <message>
        <source>현재 시간 가져오기</source>
        <translation>Utiliser l’heure actuelle</translation>
    </message>
    <message>
        <source>표준시간대</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>Heure d’été</translation>
    </message>
    <message>
        <source>설정</source>
        <translation>Activée</translation>
    </message>
    <message>
        <source>해제</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>비디오 날짜 형식</source>
        <translation>Format de date des vidéos</translation>
    </message>
    <message>
        <source>e.g.)</source>
        <translation>ex.</translation>
    </message>
    <message>
        <source>속도표시</source>
        <translation>Unité de vitesse</translation>
    </message>
    <message>
        <source>안전운행 구간 음성 안내</source>
        <translation>Alertes vocales des zones de sécurité</translation>
    </message>
    <message>
        <source>LCD 화면 밝기</source>
        <translation>Luminosité de l’écran LCD</translation>
    </message>
    <message>
        <source>어두움</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>밝음</source>
        <translation>Lumineux</translation>
    </message>
    <message>
        <source>LCD 자동 꺼짐</source>
        <translation>Extinction auto de l’écran LCD</translation>
    </message>
    <message>
        <source>영상 속도 정보 표출</source>
        <translation>Vitesse incrustée dans la vidéo</translation>
    </message>
    <message>
        <source>영상 해상도</source>
        <translation>Résolution vidéo</translation>
    </message>
    <message>
        <source>프레임 수</source>
        <translation>Fréquence d’images</translation>
    </message>
    <message>
        <source>영상 화질</source>
        <translation>Qualité vidéo</translation>
    </message>
    <message>
        <source>충격 감도</source>
        <translation>Sensibilité aux chocs</translation>
    </message>
    <message>
        <source>둔감</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>민감</source>
        <translation>Élevée</translation>
    </message>
    <message>
        <source>V820 : 안전운행 구간 음성 안내</source>
        <translation>Alertes vocales des zones de sécurité</translation>
    </message>
    <message>
        <source>역광보정 기능(WDR)</source>
        <translation>Compensation du contre-jour (WDR)</translation>
    </message>
    <message>
        <source>차량 종류</source>
        <translation>Type de véhicule</translation>
    </message>
    <message>
        <source>차선이탈 경보</source>
        <translation>Alerte de franchissement de ligne</translation>
    </message>
    <message>
        <source>차선이탈 민감도</source>
        <translation>Sensibilité de l’alerte de franchissement</translation>
    </message>
    <message>
        <source>왼쪽</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>오른쪽</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>차선이탈 감지 속도</source>
        <translation>Vitesse de détection du franchissement de ligne</translation>
    </message>
    <message>
        <source>전방 추돌 경보</source>
        <translation>Alerte de collision avant</translation>
    </message>
    <message>
        <source>전방 추돌 민감도</source>
        <translation>Sensibilité de l’alerte de collision</translation>
    </message>
    <message>
        <source>앞차 출발 알림</source>
        <translation>Alerte de démarrage du véhicule précédent</translation>
    </message>
    <message>
        <source>이동식 단속 구간 안내</source>
        <translation>Alertes radars mobiles</translation>
    </message>
    <message>
        <source>(시동이 꺼지면 주차 녹화 모드로 전환합니다</source>
        <translation>(Passe en enregistrement de stationnement à l’arrêt du moteur)</translation>
    </message>
    <message>
        <source>(시동이 꺼지면 블랙박스를 종료합니다</source>
        <translation>(Éteint la caméra à l’arrêt du moteur)</translation>
    </message>
    <message>
        <source>슈퍼 나이트 비전</source>
        <translation>Super vision nocturne</translation>
    </message>
    <message>
        <source>모션 감지</source>
        <translation>Détection de mouvement</translation>
    </message>
    <message>
        <source>녹화 종료 타이머 설정</source>
        <translation>Durée maximale d’enregistrement</translation>
    </message>
    <message>
        <source>시간</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>녹화 종료 전압 설정</source>
        <translation>Tension de coupure de l’enregistrement</translation>
    </message>
    <message>
        <source>차량전압 12V</source>
        <translation>Véhicule 12 V</translation>
    </message>
    <message>
        <source>차량전압 24V</source>
        <translation>Véhicule 24 V</translation>
    </message>
    <message>
        <source>녹화 영상 별 덮어쓰기</source>
        <translation>Écrasement par type d’enregistrement</translation>
    </message>
    <message>
        <source>상시 녹화</source>
        <translation>Enregistrement continu</translation>
    </message>
    <message>
        <source>상시 충격</source>
        <translation>Choc en mode continu</translation>
    </message>
    <message>
        <source>주차 모션</source>
        <translation>Mouvement en stationnement</translation>
    </message>
    <message>
        <source>주차 충격</source>
        <translation>Choc en stationnement</translation>
    </message>
    <message>
        <source>수동 녹화</source>
        <translation>Enregistrement manuel</translation>
    </message>
    <message>
        <source>시큐리티 LED</source>
        <translation>LED de sécurité</translation>
    </message>
    <message>
        <source>녹화모드에 따라 다르게</source>
        <translation>Selon le mode d’enregistrement</translation>
    </message>
    <message>
        <source>회전</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Left-Right</source>
        <translation>Gauche-droite</translation>
    </message>
    <message>
        <source>Blinking</source>
        <translation>Clignotant</translation>
    </message>
    <message>
        <source>메모리 파티션</source>
        <translation>Partition de la mémoire</translation>
    </message>
    <message>
        <source>상시녹화</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>상시충격</source>
        <translation>Choc continu</translation>
    </message>
    <message>
        <source>주차충격</source>
        <translation>Choc stationnement</translation>
    </message>
    <message>
        <source>수동녹화</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>포멧하기</source>
        <translation>Formater</translation>
    </message>
    <message>
        <source>화면 터치 정확도 초기화</source>
        <translation>Réinitialiser l’étalonnage de l’écran tactile</translation>
    </message>
    <message>
        <source>(UTC-10:00) Hawaii</source>
        <translation>(UTC-10:00) Hawaï</translation>
    </message>
    <message>
        <source>(UTC-09:00) Alaska</source>
        <translation>(UTC-09:00) Alaska</translation>
    </message>
    <message>
        <source>(UTC-08:00) Pacific Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-08:00) Heure du Pacifique (États-Unis et Canada)</translation>
    </message>
    <message>
        <source>(UTC-07:00) Mountain Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-07:00) Heure des Rocheuses (États-Unis et Canada)</translation>
    </message>
    <message>
        <source>(UTC-06:00) Central Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-06:00) Heure du Centre (États-Unis et Canada)</translation>
    </message>
    <message>
        <source>(UTC-05:00) Eastern Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-05:00) Heure de l’Est (États-Unis et Canada)</translation>
    </message>
    <message>
        <source>(UTC-04:00) Atlantic  Standard Time (Canada)</source>
        <translation>(UTC-04:00) Heure de l’Atlantique (Canada)</translation>
    </message>
    <message>
        <source>(UTC) Greenwich</source>
        <translation>(UTC) Heure de Greenwich</translation>
    </message>
    <message>
        <source>(UTC+01:00) Brussels, Copenhagen, Madrid, Paris</source>
        <translation>(UTC+01:00) Bruxelles, Copenhague, Madrid, Paris</translation>
    </message>
    <message>
        <source>(UTC+08:00) Kuala Lumpur, Singapore</source>
        <translation>(UTC+08:00) Kuala Lumpur, Singapour</translation>
    </message>
    <message>
        <source>(UTC+09:30) Adelaide</source>
        <translation>(UTC+09:30) Adélaïde</translation>
    </message>
    <message>
        <source>(UTC+10:00) Canberra, Melbourne, Sidney</source>
        <translation>(UTC+10:00) Canberra, Melbourne, Sydney</translation>
    </message>
    <message>
        <source>N260 : 사용 안 함</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>N260 : 사용 함</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>N260 : 메모리 파티션</source>
        <translation>Partition de la mémoire</translation>
    </message>
    <message>
        <source>N260 : 상시녹화</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>N260 : 주차녹화</source>
        <translation>Stationnement</translation>
    </message>
    <message>
        <source>N260 : 이벤트녹화</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>N260 : 수동녹화</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>N260 : 자동주차모드</source>
        <translation>Mode stationnement automatique</translation>
    </message>
    <message>
        <source>N260 : 녹화종료전압</source>
        <translation>Tension de coupure de l’enregistrement</translation>
    </message>
    <message>
        <source>N260 : 날짜 / 시간</source>
        <translation>Date / heure</translation>
    </message>
    <message>
        <source>N260 : 표준 시간대</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>N260 : Daylight Saving Time</source>
        <translation>Heure d’été</translation>
    </message>
    <message>
        <source>N260 : 음성녹음</source>
        <translation>Enregistrement audio</translation>
    </message>
    <message>
        <source>N260 : 음성안내</source>
        <translation>Guidage vocal</translation>
    </message>
    <message>
        <source>N260 : 작게</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>N260 : 크게</source>
        <translation>Fort</translation>
    </message>
    <message>
        <source>N260 : 충격감도</source>
        <translation>Sensibilité aux chocs</translation>
    </message>
    <message>
        <source>N260 : 둔감</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>N260 : 민감</source>
        <translation>Élevée</translation>
    </message>
    <message>
        <source>N260 : 모션인식감도</source>
        <translation>Sensibilité de détection de mouvement</translation>
    </message>
    <message>
        <source>N260 : 펌웨어 버전</source>
        <translation>Version du micrologiciel</translation>
    </message>
    <message>
        <source>N260 : Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>N260 : Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a save or print that failed.</extracomment>
        <source>스냅샷을 저장하지 못했습니다.</source>
        <translation>L'instantané n'a pas pu être enregistré.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a save or print that failed.</extracomment>
        <source>인쇄하지 못했습니다.</source>
        <translation>L'image n'a pas pu être imprimée.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a save or print that failed.</extracomment>
        <source>파일을 저장하지 못했습니다.</source>
        <translation>Le fichier n'a pas pu être enregistré.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a save or print that failed.</extracomment>
        <source>표시된 화면이 없습니다.</source>
        <translation>Aucune image n'est affichée.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a G-force event's kind</extracomment>
        <source>Harsh braking</source>
        <translation>Freinage brusque</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a G-force event's kind</extracomment>
        <source>Harsh acceleration</source>
        <translation>Accélération brusque</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a G-force event's kind</extracomment>
        <source>Sharp cornering</source>
        <translation>Virage serré</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a G-force event's kind</extracomment>
        <source>Impact</source>
        <translation>Choc</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the jump buttons' tooltips</extracomment>
        <source>Previous G-force event (Page Up)</source>
        <translation>Événement G précédent (Page préc.)</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the jump buttons' tooltips</extracomment>
        <source>Next G-force event (Page Down)</source>
        <translation>Événement G suivant (Page suiv.)</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the map legend's start of the route</extracomment>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the map legend's end of the route</extracomment>
        <source>End</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the playback speed button's tooltip</extracomment>
        <source>Playback speed (] faster, [ slower, Backspace normal)</source>
        <translation>Vitesse de lecture (] plus rapide, [ plus lente, Retour arrière : normale)</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the track export button's title</extracomment>
        <source>Export Track</source>
        <translation>Exporter le tracé</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export button's title</extracomment>
        <source>Export Incident</source>
        <translation>Exporter l'incident</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the track export button's tooltip</extracomment>
        <source>Export Track…</source>
        <translation>Exporter le tracé…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export button's tooltip</extracomment>
        <source>Export Incident…</source>
        <translation>Exporter l'incident…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: an export that failed</extracomment>
        <source>The track could not be exported.</source>
        <translation>Le tracé n'a pas pu être exporté.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export in progress</extracomment>
        <source>Exporting the incident…</source>
        <translation>Export de l'incident…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export's outcome</extracomment>
        <source>The incident was exported.</source>
        <translation>L'incident a été exporté.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export's outcome</extracomment>
        <source>The incident could not be exported.</source>
        <translation>L'incident n'a pas pu être exporté.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export's outcome</extracomment>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a group of the keyboard shortcuts window</extracomment>
        <source>Playback</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Play or Pause</source>
        <translation>Lire ou mettre en pause</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Previous Frame</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Next Frame</source>
        <translation>Image suivante</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Previous Clip</source>
        <translation>Clip précédent</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Next Clip</source>
        <translation>Clip suivant</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Slower</source>
        <translation>Plus lent</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Faster</source>
        <translation>Plus rapide</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Normal Speed</source>
        <translation>Vitesse normale</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Previous G-Force Event</source>
        <translation>Événement G précédent</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Next G-Force Event</source>
        <translation>Événement G suivant</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Sound On or Off</source>
        <translation>Son activé ou coupé</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Volume Up</source>
        <translation>Augmenter le volume</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Volume Down</source>
        <translation>Baisser le volume</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a group of the keyboard shortcuts window</extracomment>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Actual Size (1:1)</source>
        <translation>Taille réelle (1:1)</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Pan the Zoomed Picture</source>
        <translation>Déplacer l'image agrandie</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Mirror the Pictures</source>
        <translation>Retourner les images</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Swap Front and Rear</source>
        <translation>Échanger avant et arrière</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Leave Full Screen</source>
        <translation>Quitter le plein écran</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a group of the keyboard shortcuts window</extracomment>
        <source>Clips and Evidence</source>
        <translation>Clips et preuves</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Choose Folder…</source>
        <translation>Choisir un dossier…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Choose a Clip in the List</source>
        <translation>Choisir un clip dans la liste</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Play the Chosen Clip</source>
        <translation>Lire le clip choisi</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Save a Still…</source>
        <translation>Enregistrer une image…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Save a Copy of the Clip…</source>
        <translation>Enregistrer une copie du clip…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a group of the keyboard shortcuts window</extracomment>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Camera Settings…</source>
        <translation>Réglages de la caméra…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Quit %1</source>
        <translation>Quitter %1</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>The camera's built-in settings, written to the card with OK</source>
        <translation>Les réglages d’origine de la caméra, écrits sur la carte avec OK</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>Write these settings to the card</source>
        <translation>Écrire ces réglages sur la carte</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>Close without writing anything</source>
        <translation>Fermer sans rien écrire</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>Back to the List</source>
        <translation>Retour à la liste</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>Erase the memory card, after asking</source>
        <translation>Effacer la carte mémoire, après confirmation</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>Continue with this choice</source>
        <translation>Continuer avec ce choix</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the card error: the card went away</extracomment>
        <source>The memory card cannot be found.</source>
        <translation>La carte mémoire est introuvable.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the card error: the model has no settings record</extracomment>
        <source>This camera model has no settings file to write.</source>
        <translation>Ce modèle de caméra n'a pas de fichier de réglages à écrire.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the card error: the settings file could not be read</extracomment>
        <source>The settings file on the card could not be read.</source>
        <translation>Le fichier de réglages de la carte n'a pas pu être lu.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the card error: the card is write-protected or mounted read-only</extracomment>
        <source>The card is read-only.</source>
        <translation>La carte est en lecture seule.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the unsupported-video alert: neither ffmpeg nor the player could read the file</extracomment>
        <source>This file is not a video that can be played.</source>
        <translation>Ce fichier n'est pas une vidéo lisible.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the unsupported-video alert: the card was pulled or the file rewritten</extracomment>
        <source>The file went away or changed while it was read.</source>
        <translation>Le fichier a disparu ou a changé pendant sa lecture.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the unsupported-video alert: the folder for converted clips cannot be made</extracomment>
        <source>The working folder cannot be written.</source>
        <translation>Impossible d'écrire dans le dossier de travail.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the main window</extracomment>
        <source>Playback Speed</source>
        <translation>Vitesse de lecture</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the main window</extracomment>
        <source>List Every Clip</source>
        <translation>Lister tous les clips</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the main window</extracomment>
        <source>List Only the Clips of This Kind</source>
        <translation>Lister seulement les clips de ce type</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Trips</source>
        <translation>Trajets</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Trips…</source>
        <translation>Trajets…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Start – End</source>
        <translation>Début – Fin</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Top Speed</source>
        <translation>Vitesse max.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>G-Force Events</source>
        <translation>Événements G</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Clips</source>
        <translation>Clips</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Parked</source>
        <translation>Stationné</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Reading the clips' telemetry…</source>
        <translation>Lecture des données des clips…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Double-click a trip to play it.</source>
        <translation>Double-cliquez sur un trajet pour le lire.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the command that shows the clip list grouped by trip, with a header per trip</extracomment>
        <source>Show the List by Trip</source>
        <translation>Afficher la liste par trajet</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a trip header for clips whose names carry no date</extracomment>
        <source>No time</source>
        <translation>Sans heure</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: column heading of the trip's statistics</extracomment>
        <source>Trip</source>
        <translation>Trajet</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: column heading of the playing clip's statistics</extracomment>
        <source>This Clip</source>
        <translation>Ce clip</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: statistics row, the distance driven</extracomment>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: statistics row, the time the car moved</extracomment>
        <source>Moving Time</source>
        <translation>Temps en mouvement</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: statistics row, the mean speed while moving</extracomment>
        <source>Average Moving Speed</source>
        <translation>Vitesse moyenne en mouvement</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: tooltip of the trip gap setting</extracomment>
        <source>The longest pause between two clips of one trip</source>
        <translation>La plus longue pause entre deux clips d'un même trajet</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: label of the trip gap setting</extracomment>
        <source>Gap between trips:</source>
        <translation>Écart entre trajets :</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: button that saves the chosen trip's track</extracomment>
        <source>Export Trip…</source>
        <translation>Exporter le trajet…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: alert when a trip's track could not be written</extracomment>
        <source>The trip's track could not be saved.</source>
        <translation>Le tracé du trajet n'a pas pu être enregistré.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trip's timeline and speed chart, on hover: which clip of the trip and which time in it lie under the pointer (%1 the clip's number, %2 the trip's clip count, %3 the time in the clip)</extracomment>
        <source>Clip %1 of %2 · %3</source>
        <translation>Clip %1 sur %2 · %3</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trip's speed chart when none of its clips recorded a GPS speed</extracomment>
        <source>No speed recorded</source>
        <translation>Aucune vitesse enregistrée</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the application menu item that forgets the recent folders which are no longer there</extracomment>
        <source>Clear Missing Folders</source>
        <translation>Effacer les dossiers introuvables</translation>
    </message>
</context>
</TS>
